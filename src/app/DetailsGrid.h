// The read-only grids of the details pages: captions in the first column, values after them.
#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace kinshelf {

// A grid with the given column titles (none: no header row) and row captions in column 0.
QTableWidget* MakeDetailsGrid(const QStringList& columns, const QStringList& rowCaptions, QWidget* parent);
// Every column as wide as its texts, the last one filling the rest.
void FitColumnsToTexts(QTableWidget& grid);
// Sets the text of a cell, making the cell when needed.
void SetCell(QTableWidget& grid, int row, int column, const QString& text);

}  // namespace kinshelf
