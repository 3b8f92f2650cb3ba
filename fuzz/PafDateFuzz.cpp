// Fuzz target: decode a 6-byte and a 12-byte PAF date at every position of the input, the input
// doubling as the file that text links point into, and check what must always hold of the result,
// and that the text a listing takes of the same bytes is the date's.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/dates/WDate.h"
#include "paf/PafTextRecords.h"
#include "paf/WPafDate.h"

namespace {

using kinshelf::WDate;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckPart(const kinshelf::DateRec& part) {
  Check(part.day <= 31 && part.month <= 12);
}

void CheckDate(const WDate& date, std::size_t available, std::size_t size) {
  Check(date.IsValid() == (available >= size));
  CheckPart(date.FirstPart());
  CheckPart(date.SecondPart());
  // A status word, a linked text (at most 256 bytes) or a display text of two parts.
  Check(date.DisplayText().size() <= 256);
  Check(date.Compare(&date) == (date.IsValid() ? 0 : -2));
}

// A listing takes a date's text without making the date: it must be what the date shows.
void CheckListingText(const std::string& text, const WDate& date) {
  Check(text == (date.IsValid() ? date.DisplayText() : std::string()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const unsigned char> file(data, size);
  const kinshelf::PafTextRecords texts(file);
  for (std::size_t at = 0; at < size; ++at) {
    const auto rest = file.subspan(at);
    const WDate shortDate = kinshelf::WPafDate::FromPaf34(rest);
    CheckDate(shortDate, rest.size(), 6);
    CheckListingText(kinshelf::WPafDate::TextOfPaf34(rest), shortDate);
    const WDate date = kinshelf::WPafDate::FromPaf5(rest, &texts);
    CheckListingText(kinshelf::WPafDate::TextOfPaf5(rest, &texts), date);
    if (rest.size() < 12) Check(!date.IsValid());
    CheckPart(date.FirstPart());
    CheckPart(date.SecondPart());
    Check(date.DisplayText().size() <= 256);
  }
  return 0;
}
