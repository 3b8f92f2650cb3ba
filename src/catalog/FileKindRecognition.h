// Telling which kind of genealogy file a found file is: by its extension and, for the two kinds
// whose files are Microsoft Jet databases, by the file's header.
#pragma once

#include <string>
#include <string_view>

#include "catalog/FileKinds.h"
#include "catalog/KindSet.h"

namespace kinshelf {

// One row of the recognition table, tested in table order.
struct KindRule {
  FileKind kind;
  std::string_view extensions;  // without dots, separated by ","; compared without regard to case
  bool needsJetHeader;          // the file must be a Jet database
};

// The rules in the order they are tried.
const std::array<KindRule, 9>& KindRules();

// The kind of the file among the enabled kinds, or kUnknown. Only .fdb and .gdb candidates are read, and
// then only their first 16 bytes; "GeoDB.gdb" (exactly so written) is never a Genbox file.
FileKind RecogniseKind(std::string_view fileName, const std::string& fullPath, const KindSet& enabled);

// The file exists, is longer than 16 bytes, and its bytes 4 to 15 read "Standard Jet" in any case.
// Never throws: a file that cannot be read is not a Jet database.
bool IsJetDatabase(const std::string& fullPath);

}  // namespace kinshelf
