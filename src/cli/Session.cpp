// What every command has at hand: the settings, then the catalog.
#include "cli/Session.h"

namespace kinshelf::cli {

Session::Session() {
  options_.Open(WOptions::DefaultPath());
  options_.Load(WOptions::kCatalogKind);
  store_ = std::make_unique<WFileStore>(WFileStore::DefaultBaseName());
}

}  // namespace kinshelf::cli
