// What the window and every command have at hand, made as the program's start-up makes it: the
// settings loaded from the user's settings file, the catalog opened (and created on first use), the
// exclusion file made when missing, and the empty program settings filled by discovery (in memory;
// whoever saves the settings saves them too, and ProgramsFound tells whether there is any).
#pragma once

#include <memory>

#include "catalog/store/WFileStore.h"
#include "settings/WOptions.h"

namespace kinshelf {

class CatalogSession {
 public:
  // Throws when the settings file cannot be read, the catalog cannot be opened or the exclusion
  // file cannot be made.
  CatalogSession();

  WOptions& Options() { return options_; }
  WFileStore& Store() { return *store_; }
  // Discovery filled a program setting that was empty in the settings file.
  bool ProgramsFound() const { return programsFound_; }

 private:
  WOptions options_;
  std::unique_ptr<WFileStore> store_;
  bool programsFound_ = false;
};

}  // namespace kinshelf
