// Values of GEDCOM lines, read from positions in a mapped text.
#include "gedcom/GedcomValues.h"

#include <charconv>
#include <cstring>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomScan.h"
#include "platform/AsciiCase.h"
#include "text/AnselUtf8.h"

namespace kinshelf::gedcom {

namespace {

std::string_view WithoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string_view TrimmedValueView(const char* pos, const char* end) {
  if (pos == nullptr || pos >= end) return {};
  const char* start = SkipSpaces(pos, end);
  // A value ends at its line's end or at a NUL, as it always has for this reader.
  const char* stop = FindValueEnd(start, end);
  return WithoutTrailingSpaces(std::string_view(start, static_cast<std::size_t>(stop - start)));
}

std::string_view ValueAfterTag(const char* line, const char* end) {
  return TrimmedValueView(ValueStart(line, end), end);
}

std::string GetTrimmedValue(const WTextMMF& text, const char* pos) {
  return std::string(TrimmedValueView(pos, text.TextEnd()));
}

std::string GetLineValue(const WTextMMF& text, const char* line) {
  if (line == nullptr) return {};
  const char* end = text.TextEnd();
  const char* p = SkipSpaces(line, end);
  p = SkipSpaces(SkipWord(p, end), end);
  p = SkipWord(p, end);
  return GetTrimmedValue(text, p);
}

int GetLevel(const WTextMMF& text, const char* line) {
  if (line == nullptr) return 0;
  const char* end = text.TextEnd();
  // Nearly every line: one digit and a space, which the general reading below gives the same way.
  if (end - line >= 2 && line[0] >= '0' && line[0] <= '9' && line[1] == ' ') return line[0] - '0';
  const char* stop = SkipWord(line, end);
  const char* first = line < stop && *line == '+' ? line + 1 : line;
  int level = 0;
  const auto [last, error] = std::from_chars(first, stop, level);
  return error == std::errc() && last == stop ? level : 0;
}

std::string FindPlaceValue(const WTextMMF& text, const char* line) {
  return GetTrimmedValue(text, ValueStart(FindChildLine(text, line, tag::kPlac), text.TextEnd()));
}

std::string TrimShortText(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  std::size_t stop = start;
  while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n' && text[stop] != '\0') ++stop;
  std::string_view value = text.substr(start, stop - start);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  return std::string(value);
}

std::string ConvertText(int charSet, std::string_view text) {
  return charSet == kCharSetAnsel ? AnselToUtf8(text) : std::string(text);
}

std::string WithCrLfBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
    result += text[i];
  }
  return result;
}

int CharSetOfValue(std::string_view value) {
  while (!value.empty() && static_cast<unsigned char>(value.front()) <= ' ') value.remove_prefix(1);
  while (!value.empty() && static_cast<unsigned char>(value.back()) <= ' ') value.remove_suffix(1);
  if (platform::EqualsIgnoringAsciiCase(value, "ANSEL")) return kCharSetAnsel;
  if (platform::EqualsIgnoringAsciiCase(value, "UTF-8")) return kCharSetUtf8;
  return kCharSetOther;
}

}  // namespace kinshelf::gedcom
