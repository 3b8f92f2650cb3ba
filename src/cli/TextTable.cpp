// A table for people: columns padded to their widest cell, cells cut at a limit.
#include "cli/TextTable.h"

#include <algorithm>
#include <thread>

#include "cli/TerminalText.h"
#include "platform/OrderedChunks.h"
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

bool HasControlBytes(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

}  // namespace

void TextTable::AddRow(std::vector<std::string> cells) {
  cells.resize(headers_.size());
  if (blocks_.empty()) blocks_.emplace_back();
  Block& block = blocks_.back();
  for (std::size_t column = 0; column < cells.size(); ++column) {
    const std::size_t limit = column + 1 == cells.size() ? kLastCellLimit : kCellLimit;
    const std::string& cell = cells[column];
    if (cell.size() <= limit && !HasControlBytes(cell)) {
      // Shown as it is: no longer in characters than in bytes, and nothing to make visible.
      block.cells += cell;
      block.cellWidths.push_back(
          static_cast<std::uint32_t>(PlainAscii(cell) ? cell.size() : DisplayLength(cell)));
    } else {
      const std::string shown = ShortenedAtEnd(TerminalText(cells[column]), limit);
      block.cells += shown;
      block.cellWidths.push_back(static_cast<std::uint32_t>(DisplayLength(shown)));
    }
    block.cellEnds.push_back(block.cells.size());
  }
}

void TextTable::AddRows(TextTable&& rows) {
  for (Block& block : rows.blocks_) blocks_.push_back(std::move(block));
  rows.blocks_.clear();
}

std::string_view TextTable::Block::CellText(std::size_t first, std::size_t column) const {
  const std::size_t cell = first + column;
  const std::size_t begin = cell == 0 ? 0 : cellEnds[cell - 1];
  return std::string_view(cells).substr(begin, cellEnds[cell] - begin);
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
  for (const Block& block : blocks_) {
    for (std::size_t cell = 0; cell < block.cellWidths.size(); ++cell)
      widths[cell % columns] = std::max<std::size_t>(widths[cell % columns], block.cellWidths[cell]);
  }
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
  // Blocks are laid out on every core and written in order; each goes out in one write.
  const auto layOut = [this, columns, &widths](std::size_t index) {
    const Block& block = blocks_[index];
    std::string text;
    std::string row;
    for (std::size_t first = 0; first < block.cellWidths.size(); first += columns) {
      WriteRow(
          row, columns,
          [&block, first](std::size_t column) {
            return std::pair<std::string_view, std::size_t>(block.CellText(first, column),
                                                            block.cellWidths[first + column]);
          },
          widths);
      text += row;
    }
    return text;
  };
  platform::OrderedChunks<std::string>::Run(blocks_.size(), std::thread::hardware_concurrency(), layOut,
                                            [&out](std::string&& text) { out << text; });
}

}  // namespace kinshelf::cli
