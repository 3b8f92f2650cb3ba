// A table for people: columns padded to their widest cell, cells cut at a limit.
#include "cli/TextTable.h"

#include <algorithm>

#include "cli/TerminalText.h"
#include "text/Utf8.h"

namespace kinshelf::cli {

TextTable::TextTable(std::vector<std::string> headers, std::vector<Align> alignments)
    : headers_(std::move(headers)), alignments_(std::move(alignments)) {}

namespace {

// Printable ASCII needs neither the terminal's escapes nor a count of its characters.
bool PlainAscii(std::string_view text) {
  for (const char c : text)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

}  // namespace

void TextTable::AddRow(std::vector<std::string> cells) {
  cells.resize(headers_.size());
  for (std::size_t column = 0; column < cells.size(); ++column) {
    const std::size_t limit = column + 1 == cells.size() ? kLastCellLimit : kCellLimit;
    if (cells[column].size() <= limit && PlainAscii(cells[column])) {
      cells_ += cells[column];
      cellWidths_.push_back(static_cast<std::uint32_t>(cells[column].size()));
    } else {
      const std::string shown = ShortenedAtEnd(TerminalText(cells[column]), limit);
      cells_ += shown;
      cellWidths_.push_back(static_cast<std::uint32_t>(DisplayLength(shown)));
    }
    cellEnds_.push_back(cells_.size());
  }
}

void TextTable::AddRows(const TextTable& rows) {
  const std::size_t offset = cells_.size();
  cells_ += rows.cells_;
  for (const std::size_t end : rows.cellEnds_) cellEnds_.push_back(offset + end);
  cellWidths_.insert(cellWidths_.end(), rows.cellWidths_.begin(), rows.cellWidths_.end());
}

std::string_view TextTable::CellText(std::size_t first, std::size_t column) const {
  const std::size_t cell = first + column;
  const std::size_t begin = cell == 0 ? 0 : cellEnds_[cell - 1];
  return std::string_view(cells_).substr(begin, cellEnds_[cell] - begin);
}

// `cell(column)` gives a cell's text and display width.
template <typename Cell>
void TextTable::WriteRow(std::string& line, std::size_t columns, Cell&& cell,
                         const std::vector<std::size_t>& widths) const {
  line.clear();
  for (std::size_t column = 0; column < columns; ++column) {
    const bool last = column + 1 == columns;
    const auto [text, width] = cell(column);
    const std::size_t padding = widths[column] - width;
    if (alignments_[column] == Align::kRight) line.append(padding, ' ');
    line += text;
    if (!last && alignments_[column] == Align::kLeft) line.append(padding, ' ');
    if (!last) line += "  ";
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  line += '\n';
}

void TextTable::Write(std::ostream& out) const {
  const std::size_t columns = headers_.size();
  std::vector<std::size_t> widths(columns);
  for (std::size_t column = 0; column < columns; ++column) widths[column] = DisplayLength(headers_[column]);
  for (std::size_t cell = 0; cell < cellWidths_.size(); ++cell)
    widths[cell % columns] = std::max<std::size_t>(widths[cell % columns], cellWidths_[cell]);
  std::string line;
  WriteRow(
      line, columns,
      [this](std::size_t column) {
        return std::pair<std::string_view, std::size_t>(headers_[column], DisplayLength(headers_[column]));
      },
      widths);
  out << line;
  WriteRow(
      line, columns,
      [&widths](std::size_t column) {
        return std::pair<std::string, std::size_t>(std::string(widths[column], '-'), widths[column]);
      },
      widths);
  out << line;
  for (std::size_t first = 0; first < cellWidths_.size(); first += columns) {
    WriteRow(
        line, columns,
        [this, first](std::size_t column) {
          return std::pair<std::string_view, std::size_t>(CellText(first, column),
                                                          cellWidths_[first + column]);
        },
        widths);
    out << line;
  }
}

}  // namespace kinshelf::cli
