// The name rules of the file search: masks and reject masks.
#include "catalog/findfile/FileMask.h"

#include <algorithm>
#include <cstddef>

namespace kinshelf {

namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool OnlyWildcards(std::string_view mask) {
  return std::all_of(mask.begin(), mask.end(), [](char c) { return c == '*' || c == '?'; });
}

// One part (base or extension) of a name against the same part of a mask.
bool PartMatches(std::string_view name, std::string_view mask) {
  std::size_t i = 0;
  for (std::size_t j = 0; j < mask.size(); ++j, ++i) {
    if (mask[j] == '*') return true;
    if (i == name.size()) return OnlyWildcards(mask.substr(j));
    if (mask[j] != '?' && LowerAscii(mask[j]) != LowerAscii(name[i])) return false;
  }
  return i == name.size();
}

struct NameParts {
  std::string_view base;
  std::string_view extension;  // from the last dot, dot included; empty without a dot
};

NameParts Split(std::string_view text) {
  const auto dot = text.rfind('.');
  if (dot == std::string_view::npos) return {text, {}};
  return {text.substr(0, dot), text.substr(dot)};
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
  if (text.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                    [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

}  // namespace

bool MaskMatches(std::string_view name, std::string_view mask) {
  const NameParts n = Split(name);
  const NameParts m = Split(mask);
  if (m.extension.empty()) return PartMatches(n.base, m.base);
  const std::string_view extension = n.extension.empty() ? std::string_view(".") : n.extension;
  return PartMatches(extension, m.extension) && PartMatches(n.base, m.base);
}

bool SameMask(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool RejectMaskMatches(std::string_view rejectMask, std::string_view folder, std::string_view name) {
  const auto slash = rejectMask.rfind('/');
  const std::string_view folderPart =
      slash == std::string_view::npos ? std::string_view() : rejectMask.substr(0, slash + 1);
  const std::string_view maskPart = rejectMask.substr(folderPart.size());
  if (!folderPart.empty() && !EndsWithIgnoringCase(folder, folderPart)) return false;
  return maskPart.empty() || MaskMatches(name, maskPart);
}

}  // namespace kinshelf
