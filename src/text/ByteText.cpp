// Byte-wise comparison and flattening of 8-bit strings, whatever their encoding.
#include "text/ByteText.h"

#include <algorithm>
#include <cstring>

namespace kinshelf {

int CompareBytes(std::string_view a, std::string_view b) {
  // memcmp compares as unsigned char, unlike char_traits<char> where char may be signed. An empty
  // view may hold a null pointer, which memcmp must not see even for zero bytes.
  const std::size_t common = std::min(a.size(), b.size());
  const int order = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
  if (order != 0) return order < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string FlattenLineBreaks(std::string_view text) {
  std::string flat;
  flat.reserve(text.size());
  for (const char c : text) {
    if (c == '\n') continue;
    flat.push_back(c == '\r' ? ' ' : c);
  }
  return flat;
}

}  // namespace kinshelf
