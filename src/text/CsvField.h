// Fields of comma-separated text as RFC 4180 writes them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kinshelf {

// The field as it is, or in double quotes (with inner quotes doubled) when it holds a comma, a
// double quote, CR or LF, so that it stays one field.
std::string CsvField(std::string_view text);
// The most bytes CsvField gives for a text of `bytes` bytes: each byte a doubled quote, and the two
// quotes around.
constexpr std::size_t CsvFieldRoom(std::size_t bytes) {
  return 2 * bytes + 2;
}
// CsvField written at `out`, which has room for CsvFieldRoom(text.size()) bytes; the end of what it
// wrote.
char* PutCsvField(char* out, std::string_view text);

}  // namespace kinshelf
