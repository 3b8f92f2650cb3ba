// Counts for display, with the thousands separator of the user's locale.
#include "text/CountFormat.h"

#include <langinfo.h>
#include <locale.h>

#include <climits>

namespace kinshelf {

namespace {

// The separator of a loaded locale, empty when its grouping says digits are not grouped.
std::string ThousandsSeparatorOf(locale_t locale) {
  const char* grouping = nl_langinfo_l(GROUPING, locale);
  const bool grouped = grouping != nullptr && grouping[0] > 0 && grouping[0] != CHAR_MAX;
  const char* separator = nl_langinfo_l(THOUSEP, locale);
  return grouped && separator != nullptr ? std::string(separator) : std::string();
}

}  // namespace

std::string FormatCount(std::int64_t value, std::string_view separator) {
  // The magnitude as unsigned, so that the smallest int64 has one too.
  const std::uint64_t magnitude =
      value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(magnitude);
  std::string text = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
    text.push_back(digits[i]);
  }
  return text;
}

std::string FormatCount(std::int64_t value) {
  static const std::string separator = UserThousandsSeparator();
  return FormatCount(value, separator);
}

std::string UserThousandsSeparator() {
  const locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return {};
  std::string separator = ThousandsSeparatorOf(locale);
  freelocale(locale);
  return separator;
}

}  // namespace kinshelf
