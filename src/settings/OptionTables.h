// The fixed tables of settings: for every id its section, its key and its default value.
#pragma once

#include <span>
#include <string_view>

#include "settings/OptionIds.h"

namespace kinshelf::opt {

struct Row {
  std::string_view section;
  std::string_view key;
  std::string_view defaultValue;
};

// Row i holds general id i + 1. The rows live as long as the program.
std::span<const Row> GeneralRows();
// Row i holds catalog id kCatalogFirst + i. The rows live as long as the program.
std::span<const Row> CatalogRows();

}  // namespace kinshelf::opt
