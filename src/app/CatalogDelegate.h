// Draws the catalog grid's cells: the sorted column tinted, a bookmarked file's name in bold, a file
// missing on disk in red, the size right-aligned, the selected row framed in black and the other
// rows' cells closed by a line on their right.
#pragma once

#include <QStyledItemDelegate>

namespace kinshelf {

class CatalogModel;

class CatalogDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // Takes the sorted column from `model`, which must outlive the delegate.
  explicit CatalogDelegate(const CatalogModel& model, QObject* parent = nullptr)
      : QStyledItemDelegate(parent), model_(model) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  void DrawText(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
  void DrawLines(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

  const CatalogModel& model_;
};

}  // namespace kinshelf
