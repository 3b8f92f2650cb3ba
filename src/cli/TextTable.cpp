// A table for people: columns padded to their widest cell, cells cut at a limit.
#include "cli/TextTable.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cli/TerminalText.h"
#include "platform/OrderedChunks.h"
#include "text/Utf8.h"

namespace kinshelf::cli {

TextTable::TextTable(std::vector<std::string> headers, std::vector<Align> alignments)
    : headers_(std::move(headers)), alignments_(std::move(alignments)) {}

namespace {

// Whether a cell can be shown as it is (no control characters), and whether it is plain ASCII, whose
// width needs no count of its characters; found in one pass.
struct CellBytes {
  bool shownAsIs = true;
  bool plainAscii = true;
};

// The bytes of a cell in one pass, sixteen at a time where SSE2 is there: control characters
// (below 0x20, and 0x7F) and bytes from 0x80 on are gathered as bit masks.
CellBytes Classify(std::string_view text) {
  bool control = false;
  bool high = false;
  std::size_t pos = 0;
#if defined(__SSE2__)
  const auto look = [&control, &high](__m128i v) {
    // As signed bytes, those from 0x80 on are negative: a control character is one of 0 to 0x1F.
    const __m128i below = _mm_andnot_si128(_mm_cmplt_epi8(v, _mm_setzero_si128()),
                                           _mm_cmplt_epi8(v, _mm_set1_epi8(0x20)));
    control |= _mm_movemask_epi8(_mm_or_si128(below, _mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F)))) != 0;
    high |= _mm_movemask_epi8(v) != 0;
  };
  for (; pos + 16 <= text.size(); pos += 16)
    look(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + pos)));
  if (pos < text.size()) {
    // The last few, padded with blanks, which are plain.
    char last[16];
    std::memset(last, ' ', sizeof last);
    std::memcpy(last, text.data() + pos, text.size() - pos);
    look(_mm_loadu_si128(reinterpret_cast<const __m128i*>(last)));
    pos = text.size();
  }
#endif
  for (const char c : text.substr(pos)) {
    const auto byte = static_cast<unsigned char>(c);
    control |= byte < 0x20 || byte == 0x7F;
    high |= byte > 0x7F;
  }
  return {!control, !control && !high};
}

}  // namespace

void TextTable::AddRow(const std::vector<std::string>& cells) {
  const std::vector<std::string_view> views(cells.begin(), cells.end());
  AddCells(views);
}

void TextTable::Reserve(std::size_t rows, std::size_t bytes) {
  Block& block = OpenBlock();
  block.cells.reserve(block.cells.size() + bytes);
  block.cellEnds.reserve(block.cellEnds.size() + rows * headers_.size());
  block.cellWidths.reserve(block.cellWidths.size() + rows * headers_.size());
}

TextTable::Block& TextTable::OpenBlock() {
  if (blocks_.empty() || blocks_.back().cells.size() > kBlockBytes) blocks_.emplace_back();
  return blocks_.back();
}

void TextTable::AddCells(std::span<const std::string_view> cells) {
  Block& block = OpenBlock();
  const std::size_t columns = headers_.size();
  for (std::size_t column = 0; column < columns; ++column) {
    const std::size_t limit = column + 1 == columns ? kLastCellLimit : kCellLimit;
    const std::string_view cell = column < cells.size() ? cells[column] : std::string_view();
    const CellBytes bytes = cell.size() <= limit ? Classify(cell) : CellBytes{false, false};
    std::size_t width;
    if (bytes.shownAsIs) {
      // No longer in characters than in bytes, and nothing to make visible.
      block.cells.insert(block.cells.end(), cell.begin(), cell.end());
      width = bytes.plainAscii ? cell.size() : DisplayLength(cell);
    } else {
      const std::string shown = ShortenedAtEnd(TerminalText(std::string(cell)), limit);
      block.cells.insert(block.cells.end(), shown.begin(), shown.end());
      width = DisplayLength(shown);
    }
    block.cellWidths.push_back(static_cast<std::uint8_t>(width));
    block.cellEnds.push_back(static_cast<std::uint32_t>(block.cells.size()));
  }
}

void TextTable::AddRows(TextTable&& rows) {
  for (Block& block : rows.blocks_) blocks_.push_back(std::move(block));
  rows.blocks_.clear();
}

std::string_view TextTable::Block::CellText(std::size_t first, std::size_t column) const {
  const std::size_t cell = first + column;
  const std::size_t begin = cell == 0 ? 0 : cellEnds[cell - 1];
  return std::string_view(cells.data() + begin, cellEnds[cell] - begin);
}

// `cell(column)` gives a cell's text and display width.
template <typename Cell>
void TextTable::WriteRow(std::string& out, std::size_t columns, Cell&& cell,
                         const std::vector<std::size_t>& widths) const {
  const std::size_t start = out.size();
  // Blanks are written only once a text follows them, since the line ends without blanks.
  std::size_t blanks = 0;
  for (std::size_t column = 0; column < columns; ++column) {
    const auto [text, width] = cell(column);
    const std::size_t padding = widths[column] - width;
    const bool right = alignments_[column] == Align::kRight;
    if (right) blanks += padding;
    if (!text.empty()) {
      out.append(blanks, ' ');
      out += text;
      blanks = 0;
    }
    if (column + 1 < columns) blanks += (right ? 0 : padding) + 2;
  }
  while (out.size() > start && out.back() == ' ') out.pop_back();
  out += '\n';
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
  WriteRow(
      line, columns,
      [&widths](std::size_t column) {
        return std::pair<std::string, std::size_t>(std::string(widths[column], '-'), widths[column]);
      },
      widths);
  out << line;
  // Runs of rows are laid out on every core and written in order; each goes out in one write.
  std::size_t lineBytes = 1;
  for (const std::size_t width : widths) lineBytes += width + 2;
  const std::vector<RowRun> runs = RowRuns();
  const auto layOut = [this, columns, lineBytes, &widths, &runs](std::size_t index) {
    const RowRun& run = runs[index];
    std::string text;
    text.reserve((run.end - run.first) * lineBytes);
    for (std::size_t row = run.first; row < run.end; ++row) {
      WriteRow(
          text, columns,
          [&run, first = row * columns](std::size_t column) {
            return std::pair<std::string_view, std::size_t>(run.block->CellText(first, column),
                                                            run.block->cellWidths[first + column]);
          },
          widths);
    }
    return text;
  };
  platform::OrderedChunks<std::string>::Run(runs.size(), std::thread::hardware_concurrency(), layOut,
                                            [&out](std::string&& text) { out << text; });
}

std::size_t TextTable::HeldBytes() const {
  std::size_t bytes = 0;
  for (const Block& block : blocks_) {
    bytes += block.cells.capacity() + block.cellEnds.capacity() * sizeof(std::uint32_t) +
             block.cellWidths.capacity();
  }
  return bytes;
}

std::vector<TextTable::RowRun> TextTable::RowRuns() const {
  // Small enough that a run's text stays in the heap's reused memory.
  constexpr std::size_t kRunRows = 2048;
  std::vector<RowRun> runs;
  for (const Block& block : blocks_) {
    const std::size_t rows = block.cellWidths.size() / headers_.size();
    for (std::size_t first = 0; first < rows; first += kRunRows)
      runs.push_back({&block, first, std::min(rows, first + kRunRows)});
  }
  return runs;
}

}  // namespace kinshelf::cli
