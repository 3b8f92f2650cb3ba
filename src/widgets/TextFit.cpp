// Text cut to a pixel width.
#include "widgets/TextFit.h"

namespace kinshelf {

// Characters are added one at a time while the result stays narrower than the width, and the last
// one added is then taken off again; a search by halves finds the same length without measuring
// every start of a long text.
QString FitTextToWidth(const QString& text, int width, const QFontMetrics& metrics) {
  if (text.isEmpty() || metrics.horizontalAdvance(text) <= width) return text;
  // The shortest start that reaches the width; the whole text does.
  qsizetype low = 1;
  qsizetype high = text.size();
  while (low < high) {
    const qsizetype middle = (low + high) / 2;
    if (metrics.horizontalAdvance(text.left(middle)) >= width) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  // Never half a character: a surrogate pair stays whole or goes.
  qsizetype kept = low - 1;
  if (kept > 0 && text.at(kept - 1).isHighSurrogate()) --kept;
  return text.left(kept);
}

}  // namespace kinshelf
