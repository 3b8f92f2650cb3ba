// One individual in a rounded box of up to three lines: the name in bold, a birth line and a death
// line, each cut to the box's width, and at the right end of the first line the LDS markers "B",
// "E", "P" and "S" for the ordinances that are done. A double click asks to go to the individual.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace kinshelf {

class TIndInfoPanel final : public QWidget {
  Q_OBJECT

 public:
  struct LdsFlags {
    bool baptism = false;
    bool endowment = false;
    bool sealingToParents = false;
    bool sealingToSpouse = false;
  };

  explicit TIndInfoPanel(QWidget* parent = nullptr);

  void SetName(const QString& name);
  void SetBirth(const QString& birth);
  void SetDeath(const QString& death);
  // 1 to 3; other values are ignored. Lines past the count are neither drawn nor counted in the
  // height.
  void SetLineCount(int lines);
  void SetLds(const LdsFlags& flags, bool shown);
  void SetColor(const QColor& color);
  // Empties the three lines and the LDS flags.
  void Clear();

  const QString& Line(int line) const { return lines_[line]; }
  const LdsFlags& Lds() const { return lds_; }
  int LineHeight() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void Activated();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QRect LineRect(int line) const;
  int MarkerWidth() const;
  QFont MarkerFont() const;
  void PaintMarkers(class QPainter& painter) const;

  QString lines_[3];
  int lineCount_ = 3;
  LdsFlags lds_;
  bool ldsShown_ = false;
  QColor color_ = Qt::white;
};

}  // namespace kinshelf
