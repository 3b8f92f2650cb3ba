// One individual in a rounded box.
#include "widgets/TIndInfoPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "widgets/ScreenScale.h"
#include "widgets/TextFit.h"

namespace kinshelf {

namespace {

constexpr int kMarkerCellWidth = 7;
constexpr int kCornerRadius = 5;
const QColor kFrameColor(0x80, 0x80, 0x80);

}  // namespace

TIndInfoPanel::TIndInfoPanel(QWidget* parent) : QWidget(parent) {
  QFont panelFont = font();
  panelFont.setPointSize(12);
  setFont(panelFont);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TIndInfoPanel::SetName(const QString& name) {
  lines_[0] = name;
  update(LineRect(0));
}

void TIndInfoPanel::SetBirth(const QString& birth) {
  lines_[1] = birth;
  if (lineCount_ >= 2) update(LineRect(1));
}

void TIndInfoPanel::SetDeath(const QString& death) {
  lines_[2] = death;
  if (lineCount_ >= 3) update(LineRect(2));
}

void TIndInfoPanel::SetLineCount(int lines) {
  if (lines < 1 || lines > 3) return;
  lineCount_ = lines;
  updateGeometry();
  update();
}

void TIndInfoPanel::SetLds(const LdsFlags& flags, bool shown) {
  lds_ = flags;
  ldsShown_ = shown;
  update();
}

void TIndInfoPanel::SetColor(const QColor& color) {
  color_ = color;
  update();
}

void TIndInfoPanel::Clear() {
  for (QString& line : lines_) line.clear();
  lds_ = LdsFlags();
  update();
}

// The font's size plus 5, or the font's own line height where that is more (large or scaled fonts).
int TIndInfoPanel::LineHeight() const {
  return std::max(font().pointSize() + 5, fontMetrics().height() + 1);
}

QSize TIndInfoPanel::sizeHint() const {
  const int h = LineHeight();
  const int heights[] = {h + 4, 2 * h + 5, 3 * h + 7};
  return {200, heights[lineCount_ - 1]};
}

// Lines overlap by one pixel, as their frames share an edge.
QRect TIndInfoPanel::LineRect(int line) const {
  const int h = LineHeight();
  const int top = 1 + line * (h + 1);
  return QRect(QPoint(2, top), QPoint(width() - 3, top + h + 2));
}

// Wider where the marker letters would not fit (fonts larger than the panel was drawn for).
int TIndInfoPanel::MarkerWidth() const {
  const int width =
      ScaleFactor() > 1.0 ? static_cast<int>(std::lround(kMarkerCellWidth * 1.25)) : kMarkerCellWidth;
  return std::max(width, QFontMetrics(MarkerFont()).horizontalAdvance(QChar('W')) + 2);
}

QFont TIndInfoPanel::MarkerFont() const {
  QFont small = font();
  small.setPointSize(8);
  small.setBold(false);
  return small;
}

void TIndInfoPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(kFrameColor);
  painter.setBrush(color_);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(palette().color(QPalette::Text));
  // The first line ends before the marker cells when they are shown.
  const int markersLeft = LineRect(0).right() - 4 * MarkerWidth() - 2;
  for (int line = 0; line < lineCount_; ++line) {
    QFont lineFont = font();
    lineFont.setBold(line == 0);
    painter.setFont(lineFont);
    const QRect box = LineRect(line);
    const int room = line == 0 && ldsShown_ ? markersLeft - 6 - 2 : width() - 6;
    const QString text = FitTextToWidth(lines_[line], room, QFontMetrics(lineFont));
    painter.drawText(box.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
  }
  if (ldsShown_) PaintMarkers(painter);
}

// Four cells at the right end of the first line, a letter in each whose ordinance is done.
void TIndInfoPanel::PaintMarkers(QPainter& painter) const {
  painter.setFont(MarkerFont());
  const int cell = MarkerWidth();
  const QRect line = LineRect(0);
  const bool done[] = {lds_.baptism, lds_.endowment, lds_.sealingToParents, lds_.sealingToSpouse};
  const char letters[] = {'B', 'E', 'P', 'S'};
  for (int i = 0; i < 4; ++i) {
    const QRect box(line.right() - (4 - i) * cell - 2, line.top() + 3, cell + 1, line.height() - 6);
    if (done[i]) painter.drawText(box, Qt::AlignCenter, QString(QChar(letters[i])));
    painter.setPen(kFrameColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Text));
  }
}

void TIndInfoPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Activated();
}

}  // namespace kinshelf
