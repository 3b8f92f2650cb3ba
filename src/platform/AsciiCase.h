// Case rules of ASCII letters, for names that compare without regard to case (settings keys,
// extensions, exclusion paths). Bytes outside ASCII are left as they are.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace kinshelf::platform {

constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

inline std::string UpperAsciiText(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
  return upper;
}

}  // namespace kinshelf::platform
