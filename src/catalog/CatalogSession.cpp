// What every command has at hand, made as the program's start-up makes it.
#include "catalog/CatalogSession.h"

#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/programs/ProgramDiscovery.h"

namespace kinshelf {

CatalogSession::CatalogSession() {
  options_.Open(WOptions::DefaultPath());
  options_.Load(WOptions::kCatalogKind);
  store_ = std::make_unique<WFileStore>(WFileStore::DefaultBaseName());
  WFileExcludeList::EnsureFileExists(WFileExcludeList::DefaultFileName());
  programsFound_ = DiscoverPrograms(options_);
}

}  // namespace kinshelf
