// The meaning of a date phrase's tokens.
#include "model/dates/DatePhrase.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "model/dates/DateWords.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kinshelf {

namespace {

// Numbers from here on can only be month words (and so make the date text-only).
constexpr std::int32_t kMonthWordsFrom = 3000;
constexpr std::int32_t kYearsFrom = 32;
constexpr std::int32_t kLargestField = 0xFFFF;

// The value of an all-digit token. Tokens hold at most seven digits, so it fits.
std::optional<std::int32_t> NumberOf(std::string_view token) {
  if (token.empty()) return std::nullopt;
  std::int32_t value = 0;
  for (char c : token) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value >= low && value <= high;
}

// Which elements the part being read token by token has already taken.
struct Taken {
  bool day = false;
  bool month = false;
  bool year = false;
};

class PhraseReader {
 public:
  explicit PhraseReader(const DateTokens& tokens) : tokens_(tokens) {}
  DatePhrase Read();

 private:
  bool AtEnd() const { return position_ >= tokens_.Count(); }
  std::string_view Current() const { return tokens_.Text(position_); }
  std::optional<std::int32_t> NumericAt(std::size_t index) const;
  void TakeQualifier(std::uint8_t& qualifier);
  void ReadPart(DateRec& part);
  bool ReadNumericRun(DateRec& part);
  void ReadTokenByToken(DateRec& part);
  bool TakeToken(DateRec& part, Taken& taken);
  bool TakeYear(DateRec& part, Taken& taken, std::int32_t year);
  bool Fits(std::int32_t value);
  bool HasDual(std::size_t index) const { return !tokens_.Dual(index).empty(); }
  static bool DayWithoutMonth(const DateRec& part);

  const DateTokens& tokens_;
  std::size_t position_ = 0;
  DatePhrase phrase_;
};

DatePhrase PhraseReader::Read() {
  TakeQualifier(phrase_.qualifier);
  ReadPart(phrase_.first);
  if (phrase_.textOnly) return phrase_;
  TakeQualifier(phrase_.secondQualifier);
  ReadPart(phrase_.second);
  // What the rules could not place would otherwise be dropped, and the date shown would be another
  // than the one written; such a phrase is kept as its text.
  if (!AtEnd() || DayWithoutMonth(phrase_.first) || DayWithoutMonth(phrase_.second)) phrase_.textOnly = true;
  return phrase_;
}

bool PhraseReader::DayWithoutMonth(const DateRec& part) {
  return part.day != 0 && part.month == 0;
}

// The value of a token marked numeric, so only tokens split at separators count.
std::optional<std::int32_t> PhraseReader::NumericAt(std::size_t index) const {
  if (!tokens_.Numeric(index)) return std::nullopt;
  return NumberOf(tokens_.Text(index));
}

void PhraseReader::TakeQualifier(std::uint8_t& qualifier) {
  const int code = AtEnd() ? 0 : QualifierCode(Current());
  if (code == 0) return;
  qualifier = static_cast<std::uint8_t>(code);
  ++position_;
}

void PhraseReader::ReadPart(DateRec& part) {
  part = DateRec{};
  if (AtEnd()) return;
  if (const int calendar = CalendarCode(Current()); calendar >= 0) {
    part.calendar = static_cast<std::uint8_t>(calendar);
    ++position_;
  }
  if (!ReadNumericRun(part)) ReadTokenByToken(part);
}

// Month, day and year, or month and year, as all-digit tokens in a row. Numbers that are no month
// and day (1830 - 1871) are no such run: they are read token by token, as years.
bool PhraseReader::ReadNumericRun(DateRec& part) {
  const auto first = NumericAt(position_);
  const auto second = NumericAt(position_ + 1);
  if (!first || !second || HasDual(position_)) return false;
  const auto third = HasDual(position_ + 1) ? std::nullopt : NumericAt(position_ + 2);
  const std::int32_t day = third ? *second : 0;
  const std::int32_t year = third ? *third : *second;
  if (!InRange(*first, 1, 12) || (third && !InRange(day, 1, 31))) return false;
  const std::size_t yearAt = position_ + (third ? 2 : 1);
  position_ += third ? 3 : 2;
  if (!Fits(year)) return true;
  part.month = static_cast<std::uint16_t>(*first);
  part.day = static_cast<std::uint16_t>(day);
  part.year = static_cast<std::uint16_t>(year);
  part.dualYear = tokens_.Dual(yearAt);
  part.valid = true;
  return true;
}

void PhraseReader::ReadTokenByToken(DateRec& part) {
  Taken taken;
  while (!AtEnd() && QualifierCode(Current()) == 0) {
    if (!TakeToken(part, taken)) return;
    part.valid = true;
    ++position_;
  }
}

// False when the token ends the part: it would set an element twice (it is left for the next part),
// or it is no word of the date (the date becomes text-only).
bool PhraseReader::TakeToken(DateRec& part, Taken& taken) {
  const auto number = NumberOf(Current());
  if (!number || *number >= kMonthWordsFrom) {
    if (taken.month) return false;
    const int month = MonthNumber(part.calendar, Current());
    if (month == 0) {
      phrase_.textOnly = true;
      return false;
    }
    part.month = static_cast<std::uint16_t>(month);
    taken.month = true;
    return true;
  }
  if (*number >= kYearsFrom || HasDual(position_)) return TakeYear(part, taken, *number);
  if (!taken.day) {
    part.day = static_cast<std::uint16_t>(*number);
    taken.day = true;
    return true;
  }
  if (taken.month || *number >= 13) return TakeYear(part, taken, *number);
  part.month = static_cast<std::uint16_t>(*number);
  taken.month = true;
  return true;
}

bool PhraseReader::TakeYear(DateRec& part, Taken& taken, std::int32_t year) {
  if (taken.year) return false;
  part.year = static_cast<std::uint16_t>(year);
  part.dualYear = tokens_.Dual(position_);
  taken.year = true;
  return true;
}

// Parts hold 16-bit numbers; a larger one is kept as text rather than wrapped into another date.
bool PhraseReader::Fits(std::int32_t value) {
  if (value <= kLargestField) return true;
  phrase_.textOnly = true;
  return false;
}

// The words of a simple date: at most a keyword, a day, a month and a year, twice for a range.
struct SimpleWords {
  static constexpr std::size_t kMost = 8;
  // Longer words are cut by the tokens, so they are left to them.
  static constexpr std::size_t kLongest = 7;
  // The most bytes the words and the single spaces between them take: those the SSE classing reads.
  static constexpr std::size_t kMostBytes = 31;
  // The words are views of this copy of the text, with room for two blocks of 16 bytes.
  std::array<char, 32> upper{};
  std::array<std::string_view, kMost> words;
  std::size_t count = 0;
};

// The bits of the text's spaces, with its letters upper-cased into `upper`; nothing when a byte
// is neither a letter, a digit nor a space.
std::optional<std::uint32_t> ClassifySimpleBytes(std::string_view text, std::array<char, 32>& upper) {
  const std::size_t size = text.size();
  std::memcpy(upper.data(), text.data(), size);
  const std::uint32_t inText = (std::uint32_t{1} << size) - 1;
#if defined(__SSE2__)
  std::uint32_t spaces = 0;
  std::uint32_t kept = 0;
  for (std::size_t half = 0; half < 2; ++half) {
    char* bytes = upper.data() + 16 * half;
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    // Bytes from 0x80 on compare as negative, so they are in no range.
    const auto in = [](__m128i x, char low, char high) {
      return _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(static_cast<char>(low - 1))),
                           _mm_cmplt_epi8(x, _mm_set1_epi8(static_cast<char>(high + 1))));
    };
    const __m128i up = _mm_sub_epi8(v, _mm_and_si128(in(v, 'a', 'z'), _mm_set1_epi8('a' - 'A')));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes), up);
    const __m128i space = _mm_cmpeq_epi8(v, _mm_set1_epi8(' '));
    const auto shift = static_cast<int>(16 * half);
    spaces |= static_cast<std::uint32_t>(_mm_movemask_epi8(space)) << shift;
    kept |= static_cast<std::uint32_t>(
                _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(in(up, 'A', 'Z'), in(up, '0', '9')), space)))
            << shift;
  }
  spaces &= inText;
  if ((kept & inText) != inText) return std::nullopt;
#else
  std::uint32_t spaces = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = text[i];
    const char up = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    upper[i] = up;
    if (c == ' ') spaces |= std::uint32_t{1} << i;
    if (!((up >= 'A' && up <= 'Z') || (up >= '0' && up <= '9') || c == ' ')) return std::nullopt;
  }
#endif
  return spaces;
}

// Fills `split` with the text's words, upper-cased, split at single spaces; false when a word is
// empty, too long or holds anything but letters and digits, or there are too many. Dates are read
// for every line of a listing: the bytes are classed 16 at a time, and the words found from the
// mask of spaces.
bool SplitSimpleWords(std::string_view text, SimpleWords& split) {
  const std::size_t size = text.size();
  if (size == 0 || size > SimpleWords::kMostBytes) return false;
  const std::optional<std::uint32_t> found = ClassifySimpleBytes(text, split.upper);
  if (!found) return false;
  std::uint32_t spaces = *found;
  // A space first, last or after another leaves a word empty.
  const bool emptyWord = (spaces & 1) != 0 || (spaces >> (size - 1)) != 0 || (spaces & (spaces >> 1)) != 0;
  if (emptyWord) return false;
  for (std::size_t start = 0;;) {
    const std::size_t end = spaces != 0 ? static_cast<std::size_t>(std::countr_zero(spaces)) : size;
    if (split.count == SimpleWords::kMost || end - start > SimpleWords::kLongest) return false;
    split.words[split.count++] = std::string_view(split.upper.data() + start, end - start);
    if (spaces == 0) return true;
    spaces &= spaces - 1;
    start = end + 1;
  }
}

// The day, month and year of the words [from, to) as "YEAR", "MONTH YEAR" or "DAY MONTH YEAR", read as
// the tokens' reading reads them; nothing for other words. Read into plain numbers, which the result
// is made of at the end: its fields, set one by one and read back as a whole, would make the result
// wait on each store.
std::optional<SimplePart> ReadSimplePart(const SimpleWords& split, std::size_t from, std::size_t to) {
  const std::size_t left = to - from;
  if (left < 1 || left > 3) return std::nullopt;
  const auto& words = split.words;
  const auto year = NumberOf(words[to - 1]);
  if (!year || !InRange(*year, kYearsFrom, kMonthWordsFrom - 1)) return std::nullopt;
  int month = 0;
  if (left >= 2) {
    // No month word is a keyword, so a month found ends the part as the tokens' reading does.
    const std::string_view monthWord = words[to - 2];
    if (monthWord[0] < 'A') return std::nullopt;
    month = MonthNumber(kCalendarGregorian, monthWord);
    if (month == 0) return std::nullopt;
  }
  std::int32_t day = 0;
  if (left == 3) {
    const auto dayNumber = NumberOf(words[from]);
    if (!dayNumber || !InRange(*dayNumber, 1, kYearsFrom - 1)) return std::nullopt;
    day = *dayNumber;
  }
  return SimplePart{static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                    static_cast<std::uint16_t>(*year)};
}

// Where the keyword that ends the first part of a range stands, when the text opens with "BET" or
// "FROM" (`qualifier`) and the first keyword after it is the one that pairs with it; 0 otherwise.
// The tokens' reading ends a part at any keyword; other pairs are left to it.
std::size_t RangeKeywordAt(const SimpleWords& split, int qualifier) {
  if (qualifier != kQualifierBetween && qualifier != kQualifierFrom) return 0;
  const int pair = qualifier == kQualifierBetween ? kQualifierAnd : kQualifierTo;
  for (std::size_t k = 1; k < split.count; ++k) {
    const std::string_view word = split.words[k];
    const int code = word[0] >= 'A' ? QualifierCode(word) : 0;
    if (code != 0) return code == pair ? k : 0;
  }
  return 0;
}

}  // namespace

DatePhrase InterpretDateTokens(const DateTokens& tokens) {
  return PhraseReader(tokens).Read();
}

std::optional<SimpleDate> ReadSimpleDate(std::string_view text) {
  SimpleWords split;
  if (!SplitSimpleWords(text, split)) return std::nullopt;
  const std::size_t count = split.count;
  const auto& words = split.words;
  // Keywords start with a letter: a number need not be looked up.
  const int qualifier = words[0][0] >= 'A' ? QualifierCode(words[0]) : 0;
  const std::size_t from = qualifier != 0 ? 1 : 0;
  SimpleDate date;
  date.qualifier = static_cast<std::uint8_t>(qualifier);
  const std::size_t between = RangeKeywordAt(split, qualifier);
  if (between == 0) {
    const std::optional<SimplePart> part = ReadSimplePart(split, from, count);
    if (!part) return std::nullopt;
    date.first = *part;
    return date;
  }
  const std::optional<SimplePart> first = ReadSimplePart(split, from, between);
  const std::optional<SimplePart> second = ReadSimplePart(split, between + 1, count);
  if (!first || !second) return std::nullopt;
  date.secondQualifier = static_cast<std::uint8_t>(QualifierCode(words[between]));
  date.first = *first;
  date.second = *second;
  return date;
}

std::optional<DatePhrase> InterpretSimpleDate(std::string_view text) {
  const std::optional<SimpleDate> date = ReadSimpleDate(text);
  if (!date) return std::nullopt;
  const auto asPart = [](const SimplePart& simple, DateRec& part) {
    part.day = simple.day;
    part.month = simple.month;
    part.year = simple.year;
    part.valid = true;
  };
  DatePhrase phrase;
  phrase.qualifier = date->qualifier;
  asPart(date->first, phrase.first);
  if (date->secondQualifier != 0) {
    phrase.secondQualifier = date->secondQualifier;
    asPart(date->second, phrase.second);
  }
  return phrase;
}

}  // namespace kinshelf
