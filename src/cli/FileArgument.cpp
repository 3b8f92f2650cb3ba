// A catalogued file named on the command line by its row id or by its path.
#include "cli/FileArgument.h"

#include <charconv>
#include <stdexcept>

#include "catalog/WFileStore.h"
#include "platform/Paths.h"

namespace kinshelf::cli {

std::int32_t CatalogFileId(WFileStore& store, const std::string& argument) {
  std::int32_t id = 0;
  const auto* end = argument.data() + argument.size();
  const auto [stop, error] = std::from_chars(argument.data(), end, id);
  if (error == std::errc() && stop == end && !argument.empty()) {
    if (id > 0 && !store.GetFile(id)->Name().empty()) return id;
    throw std::runtime_error("no catalogued file has the id " + argument);
  }
  const std::string path = platform::ExpandPath(argument);
  id = store.FindFileID(path);
  if (id == 0) throw std::runtime_error(path + " is not in the catalog");
  return id;
}

}  // namespace kinshelf::cli
