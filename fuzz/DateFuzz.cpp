// Fuzz target: read the bytes as a date phrase, use every getter, and check what must always hold of
// comparisons and differences against fixed dates, and of the shortcut that shows simple phrases.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/dates/WDate.h"
#include "model/dates/WDateDiff.h"

namespace {

using kinshelf::WDate;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void UseEveryGetter(const WDate& date) {
  Check(date.DisplayText().size() <= 64 + date.StoredText().size() * 2);
  Check(date.Year() >= 0 && date.Month() >= 0 && date.Day() >= 0);
  Check(date.Qualifier() <= 11 && date.SecondQualifier() <= 11);
  Check(date.IsRange() == (date.FirstPart().year != 0 && date.SecondPart().year != 0));
  Check(date.DayNumber(2) - date.DayNumber(1) == date.Day());
  Check(date.DayNumber(0) <= date.DayNumber(1));
}

void CompareWith(const WDate& date, const WDate& fixed) {
  const int order = date.Compare(&fixed);
  Check(order == fixed.Compare(&date) * -1);
  kinshelf::WDateDiff diff;
  Check(diff.Compute(&date, &fixed) == (date.IsStandard() && fixed.IsStandard()));
  Check(diff.Years() >= 0 && !diff.YearsText().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const WDate date(text, kinshelf::platform::DateTimeParts{2020, 2, 29});
  Check(date.IsValid() == !text.empty());
  // ANSEL decoding gives at most five bytes for one (a mark alone on a no-break space).
  Check(date.StoredText().size() <= 5 * text.size() || text == "TODAY");
  UseEveryGetter(date);
  Check(date.Compare(nullptr) == -2);
  // The listing's shortcut shows what the date read from a converted text shows.
  if (text != "TODAY")
    Check(WDate::ConvertedDisplayText(text) == WDate::FromConvertedText(text).DisplayText());
  if (!date.IsValid()) return 0;
  Check(date.Compare(&date) == 0);
  static const WDate kFixed[] = {WDate("ABT 1850"), WDate("1 JAN 1900"), WDate("BET 1900 AND 1905"),
                                 WDate("FOO 1900"), WDate("12 31 65535")};
  for (const WDate& fixed : kFixed) CompareWith(date, fixed);
  return 0;
}
