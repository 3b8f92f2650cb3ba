// The width estimate of a text from its characters' advances.
#include "app/TextAdvanceEstimate.h"

#include <QFontMetrics>
#include <QString>

#include "text/Utf8.h"

namespace kinshelf {

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
    } else if (const std::size_t length = Utf8SequenceLength(utf8, at); length != 0) {
      width += Advance(Utf8CodePoint(utf8, at, length));
      at += length;
    } else {
      // A stray byte shows as the replacement character.
      width += Advance(0xFFFD);
      ++at;
    }
  }
  return width;
}

int TextAdvanceEstimate::Exact(std::string_view utf8) const {
  return QFontMetrics(font_).horizontalAdvance(
      QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace kinshelf
