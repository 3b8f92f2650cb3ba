// The fixed tables of settings: for every id its section, its key and its default value, the kind
// of value it holds, and the bounds of the numbers whose meaning bounds them.
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
// The row of an id of either table, or nullptr for any other id.
const Row* FindRow(int id);

enum class ValueKind { kText, kBoolean, kNumber };

// What a setting holds, as its default tells: "T" or "F" is a boolean, digits are a number, and
// anything else, the empty text included, is text.
ValueKind KindOf(const Row& row);

// The smallest and largest value of a number setting, both allowed.
struct Range {
  int id;
  int low;
  int high;
};

// The bounds of the number settings whose meaning bounds them, in id order. The rows live as long
// as the program.
std::span<const Range> Ranges();
// The bounds of an id, or nullptr when its values are not bounded.
const Range* FindRange(int id);

}  // namespace kinshelf::opt
