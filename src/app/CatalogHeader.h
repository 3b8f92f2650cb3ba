// The catalog grid's header: a gradient from white down to the header blue, each caption 4 pixels
// from its section's left and 2 from its top, and in the sorted column an arrow up (ascending) or
// down 10 pixels from the section's right edge.
#pragma once

#include <QHeaderView>

namespace kinshelf {

class CatalogModel;

class CatalogHeader final : public QHeaderView {
  Q_OBJECT

 public:
  // Takes the sorted column and direction from `model`, which must outlive the header.
  explicit CatalogHeader(const CatalogModel& model, QWidget* parent = nullptr);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  void DrawArrow(QPainter* painter, const QRect& rect, bool up) const;

  const CatalogModel& model_;
};

}  // namespace kinshelf
