// A catalogued file named on the command line by its row id or by its path.
#pragma once

#include <cstdint>
#include <string>

namespace kinshelf {
class WFileStore;
}

namespace kinshelf::cli {

// The row id of the file: a whole number is taken as an id, anything else as a path (made
// absolute). Throws std::runtime_error naming the argument when no row matches.
std::int32_t CatalogFileId(WFileStore& store, const std::string& argument);

}  // namespace kinshelf::cli
