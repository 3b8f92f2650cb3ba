// A table for people: columns padded to their widest cell, cells cut at a limit.
#include "cli/TextTable.h"

#include <algorithm>

#include "cli/TerminalText.h"
#include "text/Utf8.h"

namespace kinshelf::cli {

TextTable::TextTable(std::vector<std::string> headers, std::vector<Align> alignments)
    : headers_(std::move(headers)), alignments_(std::move(alignments)) {}

void TextTable::AddRow(std::vector<std::string> cells) {
  cells.resize(headers_.size());
  for (std::size_t column = 0; column < cells.size(); ++column) {
    const std::size_t limit = column + 1 == cells.size() ? kLastCellLimit : kCellLimit;
    cells[column] = ShortenedAtEnd(TerminalText(cells[column]), limit);
  }
  rows_.push_back(std::move(cells));
}

void TextTable::WriteRow(std::ostream& out, const std::vector<std::string>& cells,
                         const std::vector<std::size_t>& widths) const {
  std::string line;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    const bool last = column + 1 == cells.size();
    const std::size_t padding = widths[column] - DisplayLength(cells[column]);
    if (alignments_[column] == Align::kRight) line.append(padding, ' ');
    line += cells[column];
    if (!last && alignments_[column] == Align::kLeft) line.append(padding, ' ');
    if (!last) line += "  ";
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  out << line << '\n';
}

void TextTable::Write(std::ostream& out) const {
  std::vector<std::size_t> widths(headers_.size());
  for (std::size_t column = 0; column < headers_.size(); ++column) {
    widths[column] = DisplayLength(headers_[column]);
    for (const auto& row : rows_) widths[column] = std::max(widths[column], DisplayLength(row[column]));
  }
  WriteRow(out, headers_, widths);
  std::vector<std::string> rule;
  for (const auto width : widths) rule.emplace_back(width, '-');
  WriteRow(out, rule, widths);
  for (const auto& row : rows_) WriteRow(out, row, widths);
}

}  // namespace kinshelf::cli
