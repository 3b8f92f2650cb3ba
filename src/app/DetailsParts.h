// The parts the details pages are made of: read-only grids (captions in the first column, values
// after them), read-only memos and titled boxes.
#pragma once

#include <QString>
#include <QStringList>

class QGroupBox;
class QPlainTextEdit;
class QTableWidget;
class QWidget;

namespace kinshelf {

// A grid with the given column titles (none: no header row) and row captions in column 0.
QTableWidget* MakeDetailsGrid(const QStringList& columns, const QStringList& rowCaptions, QWidget* parent);
// Every column as wide as its texts, the last one filling the rest.
void FitColumnsToTexts(QTableWidget& grid);
// A read-only memo, its lines wrapped or not.
QPlainTextEdit* MakeMemo(bool wrapped, QWidget* parent);
// A box with a title around one widget.
QGroupBox* MakeTitledBox(const QString& title, QWidget* content, QWidget* parent);
// Sets the text of a cell, making the cell when needed.
void SetCell(QTableWidget& grid, int row, int column, const QString& text);

}  // namespace kinshelf
