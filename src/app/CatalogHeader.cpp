// The catalog grid's header.
#include "app/CatalogHeader.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include "app/CatalogColors.h"
#include "app/CatalogModel.h"

namespace kinshelf {

namespace {

constexpr int kCaptionLeft = 4;
constexpr int kCaptionTop = 2;
constexpr int kArrowFromRight = 10;
constexpr int kArrowHalfWidth = 4;

}  // namespace

CatalogHeader::CatalogHeader(const CatalogModel& model, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), model_(model) {
  setSectionsClickable(true);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CatalogHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  painter->save();
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, Qt::white);
  gradient.setColorAt(1, colors::kHeaderBlue);
  painter->fillRect(rect, gradient);
  painter->setPen(palette().color(QPalette::Mid));
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->setPen(Qt::black);
  painter->setFont(font());
  const QString caption = model()->headerData(logicalIndex, Qt::Horizontal).toString();
  painter->drawText(rect.adjusted(kCaptionLeft, kCaptionTop, -kArrowFromRight - kArrowHalfWidth, 0),
                    Qt::AlignLeft | Qt::AlignVCenter, caption);
  if (logicalIndex == static_cast<int>(model_.Filter().sortColumn) - 1)
    DrawArrow(painter, rect, model_.Filter().ascending);
  painter->restore();
}

void CatalogHeader::DrawArrow(QPainter* painter, const QRect& rect, bool up) const {
  const int x = rect.right() - kArrowFromRight;
  const int y = rect.center().y();
  const int tip = up ? y - kArrowHalfWidth / 2 - 1 : y + kArrowHalfWidth / 2 + 1;
  const int base = up ? y + kArrowHalfWidth / 2 + 1 : y - kArrowHalfWidth / 2 - 1;
  const QPolygon arrow(
      {QPoint(x - kArrowHalfWidth, base), QPoint(x + kArrowHalfWidth, base), QPoint(x, tip)});
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(QColor(0x40, 0x40, 0x40));
  painter->drawPolygon(arrow);
}

}  // namespace kinshelf
