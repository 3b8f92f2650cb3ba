// What every command has at hand, made as the program's start-up makes it: the settings loaded
// from the user's settings file, then the catalog opened (and created on first use).
#pragma once

#include <memory>

#include "catalog/WFileStore.h"
#include "settings/WOptions.h"

namespace kinshelf::cli {

class Session {
 public:
  // Throws when the settings file cannot be read or the catalog cannot be opened.
  Session();

  WOptions& Options() { return options_; }
  WFileStore& Store() { return *store_; }

 private:
  WOptions options_;
  std::unique_ptr<WFileStore> store_;
};

}  // namespace kinshelf::cli
