// The width estimate of a text from its characters' advances.
#include "app/TextAdvanceEstimate.h"

#include <QFontMetrics>
#include <QString>

namespace kinshelf {

namespace {

// The code point starting at text[at], moving `at` past it; a malformed sequence gives U+FFFD and
// moves one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return 0xFFFD;
  }
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) {
      ++at;
      return 0xFFFD;
    }
    code = (code << 6) | (next & 0x3F);
  }
  at += length;
  return code;
}

}  // namespace

TextAdvanceEstimate::TextAdvanceEstimate(const QFont& font) : font_(font), metrics_(font) {
  for (char32_t c = 0; c < ascii_.size(); ++c) ascii_[c] = metrics_.horizontalAdvance(QChar(c));
}

double TextAdvanceEstimate::Advance(char32_t character) {
  const auto known = others_.find(character);
  if (known != others_.end()) return known->second;
  const double advance = metrics_.horizontalAdvance(QString::fromUcs4(&character, 1));
  others_.emplace(character, advance);
  return advance;
}

double TextAdvanceEstimate::Estimate(std::string_view utf8) {
  double width = 0;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (byte < 0x80) {
      width += ascii_[byte];
      ++at;
    } else {
      width += Advance(NextCodePoint(utf8, at));
    }
  }
  return width;
}

int TextAdvanceEstimate::Exact(std::string_view utf8) const {
  return QFontMetrics(font_).horizontalAdvance(
      QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace kinshelf
