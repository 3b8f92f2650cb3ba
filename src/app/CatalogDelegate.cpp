// Draws the catalog grid's cells.
#include "app/CatalogDelegate.h"

#include <QPainter>

#include "app/CatalogColors.h"
#include "app/CatalogModel.h"

namespace kinshelf {

namespace {

// Where a cell's text starts from its left (or, right-aligned, ends before its right) and top.
constexpr int kTextInset = 4;
constexpr int kTextTop = 2;

}  // namespace

void CatalogDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  const bool sorted = index.column() == static_cast<int>(model_.Filter().sortColumn) - 1;
  painter->fillRect(option.rect, sorted ? colors::kSortedColumn : QColor(Qt::white));
  if (index.data(CatalogModel::kFileIdRole).toInt() == 0) return;
  DrawText(painter, option, index);
  DrawLines(painter, option, index);
}

void CatalogDelegate::DrawText(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  painter->save();
  QFont font = option.font;
  if (index.column() == CatalogModel::kName) {
    font.setBold(index.data(CatalogModel::kBookmarkRole).toBool());
    painter->setPen(index.data(CatalogModel::kExistsRole).toBool() ? QColor(Qt::black) : QColor(Qt::red));
  } else {
    painter->setPen(Qt::black);
  }
  painter->setFont(font);
  const QRect area = option.rect.adjusted(kTextInset, kTextTop, -kTextInset, 0);
  const Qt::Alignment alignment =
      (index.column() == CatalogModel::kSize ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  const QString text = QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight, area.width());
  painter->drawText(area, static_cast<int>(alignment), text);
  painter->restore();
}

void CatalogDelegate::DrawLines(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  painter->save();
  const QRect cell = option.rect;
  if (option.state & QStyle::State_Selected) {
    painter->setPen(Qt::black);
    painter->drawLine(cell.topLeft(), cell.topRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    if (index.column() == 0) painter->drawLine(cell.topLeft(), cell.bottomLeft());
    if (index.column() == CatalogModel::kColumnCount - 1)
      painter->drawLine(cell.topRight(), cell.bottomRight());
  } else {
    painter->setPen(option.palette.color(QPalette::Button));
    painter->drawLine(cell.topRight(), cell.bottomRight());
  }
  painter->restore();
}

}  // namespace kinshelf
