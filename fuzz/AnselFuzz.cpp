// Fuzz target: decode ANSEL bytes to UTF-8 and check what must always hold of the result.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/AnselTables.h"
#include "text/AnselUtf8.h"
#include "text/Utf8.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool IsMark(char32_t c) {
  const auto classes = kinshelf::AnselCombiningClasses();
  return std::any_of(classes.begin(), classes.end(), [c](const auto& row) { return row.codePoint == c; });
}

bool IsMarkByte(unsigned char byte) {
  const auto marks = kinshelf::AnselMarkCodePoints();
  return std::any_of(marks.begin(), marks.end(), [byte](const auto& row) { return row.byte == byte; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view ansel(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = kinshelf::AnselToUtf8(ansel);
  // ASCII is copied as it is.
  const bool ascii =
      std::all_of(ansel.begin(), ansel.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  Check(!ascii || utf8 == ansel);
  // No byte gives more than a mark on a no-break space (five bytes).
  Check(utf8.size() <= 5 * ansel.size());
  // Well-formed UTF-8 throughout, where every byte that is no mark gives one character that is no mark;
  // marks with no letter add a no-break space each.
  std::size_t bases = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t length = kinshelf::Utf8SequenceLength(utf8, pos);
    Check(length != 0);
    bases += IsMark(kinshelf::Utf8CodePoint(utf8, pos, length)) ? 0 : 1;
    pos += length;
  }
  const auto markBytes = static_cast<std::size_t>(std::count_if(
      ansel.begin(), ansel.end(), [](char c) { return IsMarkByte(static_cast<unsigned char>(c)); }));
  Check(bases >= ansel.size() - markBytes && bases <= ansel.size());
  return 0;
}
