// Counts for display, with the thousands separator of the user's locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kinshelf {

// The value in decimal with the separator between groups of three digits, counted from the right; a
// negative value keeps its sign in front ("-12,345"). An empty separator gives the plain number.
std::string FormatCount(std::int64_t value, std::string_view separator);

// The value with the user's thousands separator (see UserThousandsSeparator), which is read on the
// first call and kept for the rest of the run. Safe to call from any thread.
std::string FormatCount(std::int64_t value);

// The thousands separator of the numeric locale named by the environment (LC_ALL, then LC_NUMERIC,
// then LANG), read anew on every call. Empty in the C and POSIX locales, in a locale that does not
// group digits, and when the locale cannot be loaded. Digits are still grouped in threes by
// FormatCount whatever grouping the locale names, so counts line up the same way in every locale.
std::string UserThousandsSeparator();

}  // namespace kinshelf
