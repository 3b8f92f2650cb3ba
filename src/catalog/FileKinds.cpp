// The nine kinds of genealogy files and their names.
#include "catalog/FileKinds.h"

#include "platform/AsciiCase.h"

namespace kinshelf {

const FileKindInfo* FindKind(FileKind kind) {
  for (const auto& info : kFileKinds) {
    if (info.kind == kind) return &info;
  }
  return nullptr;
}

const FileKindInfo* FindKindByCommandName(std::string_view name) {
  for (const auto& info : kFileKinds) {
    if (platform::EqualsIgnoringAsciiCase(info.commandName, name)) return &info;
  }
  return nullptr;
}

}  // namespace kinshelf
