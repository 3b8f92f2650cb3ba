// A value typed for a setting on the command line, checked against what the setting holds.
#include "cli/SettingValue.h"

#include <array>
#include <charconv>
#include <optional>
#include <stdexcept>

#include "cli/Command.h"
#include "platform/AsciiCase.h"
#include "settings/OptionTables.h"

namespace kinshelf::cli {

namespace {

struct BooleanWord {
  std::string_view word;
  bool value;
};

constexpr std::array<BooleanWord, 10> kBooleanWords{{{"T", true},
                                                     {"F", false},
                                                     {"true", true},
                                                     {"false", false},
                                                     {"yes", true},
                                                     {"no", false},
                                                     {"on", true},
                                                     {"off", false},
                                                     {"1", true},
                                                     {"0", false}}};

std::string Refusal(const opt::Row& row, std::string_view takes, std::string_view typed) {
  return "setting " + std::string(row.key) + " takes " + std::string(takes) + ", not \"" +
         std::string(typed) + "\"";
}

std::string BooleanValue(const opt::Row& row, std::string_view typed) {
  for (const auto& [word, value] : kBooleanWords) {
    if (platform::EqualsIgnoringAsciiCase(word, typed)) return value ? "T" : "F";
  }
  throw UsageError(Refusal(row, "T or F (or true/false, yes/no, on/off, 1/0)", typed));
}

// A whole decimal number in the range of int, as the settings store reads numbers back.
std::optional<int> DecimalOf(std::string_view typed) {
  int value = 0;
  const char* end = typed.data() + typed.size();
  const auto [stop, error] = std::from_chars(typed.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string NumberValue(int id, const opt::Row& row, std::string_view typed) {
  const auto value = DecimalOf(typed);
  const opt::Range* range = opt::FindRange(id);
  const bool inside = value && (range == nullptr || (*value >= range->low && *value <= range->high));
  if (inside) return std::to_string(*value);
  const std::string takes = range == nullptr ? "a whole decimal number"
                                             : "a whole number from " + std::to_string(range->low) + " to " +
                                                   std::to_string(range->high);
  throw UsageError(Refusal(row, takes, typed));
}

}  // namespace

std::string SettingValue(int id, std::string_view typed) {
  const opt::Row* row = opt::FindRow(id);
  if (row == nullptr) throw std::out_of_range("No setting has the id " + std::to_string(id));
  switch (opt::KindOf(*row)) {
    case opt::ValueKind::kBoolean:
      return BooleanValue(*row, typed);
    case opt::ValueKind::kNumber:
      return NumberValue(id, *row, typed);
    case opt::ValueKind::kText:
      break;
  }
  return std::string(typed);
}

}  // namespace kinshelf::cli
