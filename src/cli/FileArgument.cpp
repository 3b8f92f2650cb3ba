// A catalogued file named on the command line by its row id or by its path.
#include "cli/FileArgument.h"

#include <charconv>
#include <stdexcept>

#include "catalog/FileKindRecognition.h"
#include "catalog/store/WFileStore.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"

namespace kinshelf::cli {

namespace {

std::optional<std::int32_t> WholeNumber(const std::string& argument) {
  std::int32_t number = 0;
  const auto* end = argument.data() + argument.size();
  const auto [stop, error] = std::from_chars(argument.data(), end, number);
  if (error != std::errc() || stop != end || number <= 0) return std::nullopt;
  return number;
}

}  // namespace

std::optional<std::int32_t> CatalogRowId(WFileStore& store, const std::string& argument) {
  const auto id = WholeNumber(argument);
  if (id && !store.GetFile(*id)->Name().empty()) return id;
  return std::nullopt;
}

std::int32_t CatalogFileId(WFileStore& store, const std::string& argument) {
  if (const auto id = CatalogRowId(store, argument)) return *id;
  // A number that is no row id may still be a file's name.
  const std::string path = platform::ExpandPath(argument);
  const std::int32_t found = store.FindFileID(path);
  if (found != 0) return found;
  if (WholeNumber(argument)) throw std::runtime_error("no catalogued file has the id " + argument);
  // A search would never add a folder or a file of no genealogy kind: it must not be offered.
  if (platform::DirectoryExists(path)) throw std::runtime_error(path + " is a folder, not a catalogued file");
  if (platform::FileExists(path) &&
      RecogniseKind(platform::FileNamePart(path), path, KindSet::All()) == FileKind::kUnknown)
    throw std::runtime_error(path + " is not a genealogy file, and is not in the catalog");
  throw std::runtime_error(path + " is not in the catalog; run 'kinshelf search' to add it");
}

}  // namespace kinshelf::cli
