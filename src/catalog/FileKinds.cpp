// The nine kinds of genealogy files and their names.
#include "catalog/FileKinds.h"

namespace kinshelf {

namespace {

bool SameAsciiText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

const FileKindInfo* FindKind(int code) {
  for (const auto& info : kFileKinds) {
    if (info.code == code) return &info;
  }
  return nullptr;
}

const FileKindInfo* FindKindByCommandName(std::string_view name) {
  for (const auto& info : kFileKinds) {
    if (SameAsciiText(info.commandName, name)) return &info;
  }
  return nullptr;
}

KindSet AllKinds() {
  KindSet set{};
  set.fill(true);
  set[0] = false;
  return set;
}

}  // namespace kinshelf
