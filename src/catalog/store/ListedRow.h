// What the catalog grid shows of one listed file, read in bulk for the whole listing: the texts are
// views into the store's current result row, valid only during the visit that receives them.
#pragma once

#include <cstdint>
#include <string_view>

#include "catalog/FileKinds.h"

namespace kinshelf {

struct ListedRow {
  std::string_view name;
  std::string_view drive;
  std::string_view path;
  FileKind kind = FileKind::kUnknown;
  std::int64_t size = 0;
  double modified = 0;
  bool bookmark = false;
};

}  // namespace kinshelf
