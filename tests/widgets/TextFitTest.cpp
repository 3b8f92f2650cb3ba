// Text cut to a pixel width: the same result as adding characters one at a time.
#include "widgets/TextFit.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace kinshelf {
namespace {

// The cut as the rule states it: add characters while the text stays narrower, then drop the last.
QString OneAtATime(const QString& text, int width, const QFontMetrics& metrics) {
  if (text.isEmpty() || metrics.horizontalAdvance(text) <= width) return text;
  qsizetype length = 1;
  while (length < text.size() && metrics.horizontalAdvance(text.left(length)) < width) ++length;
  return text.left(length - 1);
}

TEST(TextFitTest, CutsWhereAddingOneCharacterAtATimeWould) {
  const QFontMetrics metrics(QApplication::font());
  const QString texts[] = {"", "W", "Joseph Patrick /Kennedy/ [I105]", "iiiiiiiiiiiiWWWWWWWWWWWW",
                           "Åström Ærø — 家族"};
  for (const QString& text : texts) {
    for (int width = -1; width <= metrics.horizontalAdvance(text) + 2; ++width)
      EXPECT_EQ(FitTextToWidth(text, width, metrics), OneAtATime(text, width, metrics))
          << text.toStdString() << " in " << width;
  }
  const QString faces = QString::fromUtf8("\U0001F600\U0001F601\U0001F602 ok");
  for (int width = 0; width <= metrics.horizontalAdvance(faces); ++width) {
    const QString cut = FitTextToWidth(faces, width, metrics);
    EXPECT_TRUE(cut.isEmpty() || !cut.back().isHighSurrogate()) << width;
  }
  EXPECT_EQ(FitTextToWidth("Whole", 1000, metrics), "Whole");
  EXPECT_EQ(FitTextToWidth("Whole", 0, metrics), "");
}

}  // namespace
}  // namespace kinshelf
