// A catalogued file named on the command line by its row id or by its path.
#include "cli/FileArgument.h"

#include <charconv>
#include <stdexcept>

#include "catalog/store/WFileStore.h"
#include "platform/Paths.h"

namespace kinshelf::cli {

std::int32_t CatalogFileId(WFileStore& store, const std::string& argument) {
  std::int32_t id = 0;
  const auto* end = argument.data() + argument.size();
  const auto [stop, error] = std::from_chars(argument.data(), end, id);
  const bool number = error == std::errc() && stop == end && id > 0;
  if (number && !store.GetFile(id)->Name().empty()) return id;
  // A number that is no row id may still be a file's name.
  const std::string path = platform::ExpandPath(argument);
  const std::int32_t found = store.FindFileID(path);
  if (found != 0) return found;
  if (number) throw std::runtime_error("no catalogued file has the id " + argument);
  throw std::runtime_error(path + " is not in the catalog; run 'kinshelf search' to add it");
}

}  // namespace kinshelf::cli
