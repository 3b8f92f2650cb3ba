// Fields of comma-separated text as RFC 4180 writes them.
#include "text/CsvField.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kinshelf {

namespace {

// Sixteen bytes at a time, the last sixteen read again in part: every field of a listing asks.
bool NeedsQuotes(std::string_view text) {
#if defined(__SSE2__)
  if (text.size() >= 16) {
    const auto special = [](const char* at) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')), _mm_cmpeq_epi8(v, _mm_set1_epi8('"'))),
                          _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
    };
    __m128i found = special(text.data() + text.size() - 16);
    for (std::size_t pos = 0; pos + 16 <= text.size(); pos += 16) found = _mm_or_si128(found, special(text.data() + pos));
    return _mm_movemask_epi8(found) != 0;
  }
#endif
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

char* Put(char* out, std::string_view text) {
  // An empty view may have no bytes at all to copy from.
  if (!text.empty()) std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

}  // namespace

std::string CsvField(std::string_view text) {
  std::string field(CsvFieldRoom(text.size()), '\0');
  field.resize(static_cast<std::size_t>(PutCsvField(field.data(), text) - field.data()));
  return field;
}

// Inside the quotes each double quote is doubled.
char* PutCsvField(char* out, std::string_view text) {
  if (!NeedsQuotes(text)) return Put(out, text);
  *out++ = '"';
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t quote = text.find('"', from);
    const std::size_t end = quote == std::string_view::npos ? text.size() : quote + 1;
    out = Put(out, text.substr(from, end - from));
    if (quote != std::string_view::npos) *out++ = '"';
    from = end;
  }
  *out++ = '"';
  return out;
}

}  // namespace kinshelf
