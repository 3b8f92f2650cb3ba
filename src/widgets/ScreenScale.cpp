// The screen's scale against 96 pixels per inch.
#include "widgets/ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>

namespace kinshelf {

double ScaleFactor() {
  static const double scale = [] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 96.0 ? dpi / 96.0 : 1.0;
  }();
  return scale;
}

}  // namespace kinshelf
