// The nine kinds of genealogy files and their names.
#include "catalog/FileKinds.h"

#include "platform/AsciiCase.h"

namespace kinshelf {

const FileKindInfo* FindKind(int code) {
  for (const auto& info : kFileKinds) {
    if (info.code == code) return &info;
  }
  return nullptr;
}

const FileKindInfo* FindKindByCommandName(std::string_view name) {
  for (const auto& info : kFileKinds) {
    if (platform::EqualsIgnoringAsciiCase(info.commandName, name)) return &info;
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
