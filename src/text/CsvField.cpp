// Fields of comma-separated text as RFC 4180 writes them.
#include "text/CsvField.h"

#include <algorithm>

namespace kinshelf {

namespace {

bool NeedsQuotes(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

// The text with each double quote doubled, as it stands inside a quoted field.
void AppendCsvQuotedText(std::string& out, std::string_view text) {
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t quote = text.find('"', from);
    const std::size_t end = quote == std::string_view::npos ? text.size() : quote + 1;
    out.append(text.substr(from, end - from));
    if (quote != std::string_view::npos) out += '"';
    from = end;
  }
}

}  // namespace

std::string CsvField(std::string_view text) {
  std::string field;
  AppendCsvField(field, text);
  return field;
}

void AppendCsvField(std::string& out, std::string_view text) {
  if (!NeedsQuotes(text)) {
    out += text;
    return;
  }
  out += '"';
  AppendCsvQuotedText(out, text);
  out += '"';
}

}  // namespace kinshelf
