// Fields of comma-separated text as RFC 4180 writes them.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf {

// The field as it is, or in double quotes (with inner quotes doubled) when it holds a comma, a
// double quote, CR or LF, so that it stays one field.
std::string CsvField(std::string_view text);
// Appends CsvField(text).
void AppendCsvField(std::string& out, std::string_view text);

}  // namespace kinshelf
