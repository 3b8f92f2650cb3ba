// The parts the details pages are made of.
#include "app/DetailsParts.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kinshelf {

QTableWidget* MakeDetailsGrid(const QStringList& columns, const QStringList& rowCaptions, QWidget* parent) {
  auto* grid =
      new QTableWidget(static_cast<int>(rowCaptions.size()), static_cast<int>(columns.size()), parent);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  grid->setHorizontalHeaderLabels(columns);
  grid->horizontalHeader()->setStretchLastSection(true);
  grid->horizontalHeader()->setVisible(!columns.isEmpty() && !columns.front().isEmpty());
  grid->setWordWrap(false);
  for (int row = 0; row < rowCaptions.size(); ++row) {
    SetCell(*grid, row, 0, rowCaptions[row]);
    QFont bold = grid->font();
    bold.setBold(true);
    grid->item(row, 0)->setFont(bold);
  }
  return grid;
}

void FitColumnsToTexts(QTableWidget& grid) {
  for (int column = 0; column + 1 < grid.columnCount(); ++column)
    grid.horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  grid.horizontalHeader()->setSectionResizeMode(grid.columnCount() - 1, QHeaderView::Stretch);
}

QPlainTextEdit* MakeMemo(bool wrapped, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setReadOnly(true);
  memo->setLineWrapMode(wrapped ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  return memo;
}

QGroupBox* MakeTitledBox(const QString& title, QWidget* content, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(content);
  return box;
}

void SetCell(QTableWidget& grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid.item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    grid.setItem(row, column, item);
  }
  item->setText(text);
  // A text too long for its column can still be read whole.
  item->setToolTip(text);
}

}  // namespace kinshelf
