// A catalogued file named on the command line by its row id or by its path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kinshelf {
class WFileStore;
}

namespace kinshelf::cli {

// The row id an argument names when it is a whole number that is a row id; nothing otherwise.
std::optional<std::int32_t> CatalogRowId(WFileStore& store, const std::string& argument);

// The row id of the file: a whole number that is a row id names that row; anything else (a number
// that is no row id included) is a path, made absolute. Throws std::runtime_error naming the
// argument when no row matches.
std::int32_t CatalogFileId(WFileStore& store, const std::string& argument);

}  // namespace kinshelf::cli
