// Text cut to a pixel width without an ellipsis, as the panels draw their lines.
#pragma once

#include <QFontMetrics>
#include <QString>

namespace kinshelf {

// The text itself when it is empty or fits in `width`; otherwise the longest start of it that draws
// narrower than `width`, less its last character.
QString FitTextToWidth(const QString& text, int width, const QFontMetrics& metrics);

}  // namespace kinshelf
