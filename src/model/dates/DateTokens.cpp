// The tokens of a date phrase.
#include "model/dates/DateTokens.h"

#include <string>

#include "platform/AsciiCase.h"
#include "text/CatalogDateFormat.h"

namespace kinshelf {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsGeneralSeparator(char c) {
  return c == ' ' || c == '/' || c == '-';
}

bool IsLayoutSeparator(char c) {
  return c == '/' || c == '.';
}

// Positions count from 1, as in the layouts' descriptions; outside the text there is no character.
char At(std::string_view text, std::size_t position) {
  return position >= 1 && position <= text.size() ? text[position - 1] : '\0';
}

// Positions from to to, both included, clipped to the text.
std::string_view Span(std::string_view text, std::size_t from, std::size_t to) {
  if (from < 1 || from > text.size() || to < from) return {};
  return text.substr(from - 1, to - from + 1);
}

// "JAN" ... "DEC" for two digits 01 to 12, else empty.
std::string MonthToken(std::string_view digits) {
  if (digits.size() != 2 || !IsDigit(digits[0]) || !IsDigit(digits[1])) return {};
  const int month = (digits[0] - '0') * 10 + (digits[1] - '0');
  return platform::UpperAsciiText(MonthAbbrev(month).substr(0, 3));
}

}  // namespace

DateTokens::DateTokens() {
  tokens_[0].numeric = true;
}

DateTokens DateTokens::Split(std::string_view text) {
  DateTokens tokens;
  if (!tokens.SplitFixedLayout(text)) tokens.SplitAtSeparators(text);
  return tokens;
}

std::string_view DateTokens::Text(std::size_t index) const {
  if (index >= count_) return {};
  return {tokens_[index].chars.data(), tokens_[index].length};
}

bool DateTokens::Numeric(std::size_t index) const {
  return index < count_ && tokens_[index].numeric;
}

std::string_view DateTokens::Dual(std::size_t index) const {
  if (index >= count_) return {};
  return {tokens_[index].dual.data(), tokens_[index].dualLength};
}

// The first layout that fits wins; a separator here is "/" or ".".
bool DateTokens::SplitFixedLayout(std::string_view text) {
  const auto separator = [text](std::size_t position) { return IsLayoutSeparator(At(text, position)); };
  const std::size_t length = text.size();
  if (length == 9 && separator(5) && !separator(2) && !separator(3)) {
    SetFixed({Span(text, 1, 4), Span(text, 6, 9)});
  } else if (length == 6 && At(text, 1) == '<' && At(text, 6) == '>') {
    SetFixed({Span(text, 2, 5)});
  } else if (length == 10 && separator(3) && separator(6)) {
    SetFixed({Span(text, 7, 10), Span(text, 1, 2), Span(text, 4, 5)});
  } else if (length == 9 && separator(3) && separator(5)) {
    SetFixed({Span(text, 6, 9), Span(text, 1, 2), Span(text, 4, 4)});
  } else if (length == 9 && separator(2) && separator(5)) {
    SetFixed({Span(text, 6, 9), Span(text, 1, 1), Span(text, 3, 4)});
  } else if (length == 8 && separator(2) && separator(4)) {
    SetFixed({Span(text, 5, 8), Span(text, 1, 1), Span(text, 3, 3)});
  } else if (length == 7 && separator(3)) {
    const std::string month = MonthToken(Span(text, 1, 2));
    SetFixed({month, Span(text, 4, 7)});
  } else {
    return false;
  }
  return true;
}

// Layout tokens keep the first token's numeric mark and have none of their own.
void DateTokens::SetFixed(std::initializer_list<std::string_view> texts) {
  count_ = 0;
  for (std::string_view piece : texts) {
    if (count_ == kMaxTokens) break;
    Token& token = tokens_[count_++];
    token.length = 0;
    for (char c : piece.substr(0, kMaxLength)) token.chars[token.length++] = c;
  }
}

// A run of separators ends a token once; characters after the 14th token are ignored.
void DateTokens::SplitAtSeparators(std::string_view text) {
  bool started = false;
  bool ended = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '/' && started && !ended) {
      if (const std::size_t dual = DualPartLength(text, i); dual != 0) {
        Token& token = tokens_[count_ - 1];
        for (std::size_t k = 0; k < dual; ++k) token.dual[token.dualLength++] = text[i + 1 + k];
        i += dual;
        continue;
      }
    }
    if (IsGeneralSeparator(c)) {
      ended = started;
      continue;
    }
    if (ended) {
      if (count_ == kMaxTokens) return;
      tokens_[count_++].numeric = true;
      ended = false;
    }
    started = true;
    Append(c);
  }
}

// The number of digits after the "/" at `slash` when they are the dual part of the year token before
// it: that token is a year of three or four digits; one or two digits follow, or four that make the
// next year (1750/1751); and a separator or the end comes next. 0 otherwise.
std::size_t DateTokens::DualPartLength(std::string_view text, std::size_t slash) const {
  const Token& token = tokens_[count_ - 1];
  if (!token.numeric || token.length < 3 || token.length > 4 || token.dualLength != 0) return 0;
  std::size_t digits = 0;
  while (slash + 1 + digits < text.size() && IsDigit(text[slash + 1 + digits])) ++digits;
  const std::size_t next = slash + 1 + digits;
  if (next < text.size() && !IsGeneralSeparator(text[next])) return 0;
  if (digits == 1 || digits == 2) return digits;
  if (digits != 4) return 0;
  const auto value = [](std::string_view digitText) {
    int number = 0;
    for (char d : digitText) number = number * 10 + (d - '0');
    return number;
  };
  const bool nextYear = value(text.substr(slash + 1, 4)) == value({token.chars.data(), token.length}) + 1;
  return nextYear ? digits : 0;
}

// Characters past the seventh are dropped, but still clear the numeric mark.
void DateTokens::Append(char c) {
  Token& token = tokens_[count_ - 1];
  if (!IsDigit(c)) token.numeric = false;
  if (token.length < kMaxLength) token.chars[token.length++] = c;
}

}  // namespace kinshelf
