// A value typed for a setting on the command line, checked against what the setting holds.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf::cli {

// The text to store for `typed` as the value of setting `id`: for a boolean "T" or "F" (it accepts
// T/F, true/false, yes/no, on/off and 1/0 in any case); for a number its plain decimal form, inside
// the setting's bounds where it has some; for text the text as typed. Throws UsageError naming the
// setting and what it takes when the value does not fit, std::out_of_range for an unknown id.
std::string SettingValue(int id, std::string_view typed);

}  // namespace kinshelf::cli
