// A table for people: columns padded to their widest cell, cells cut at a limit.
#include "cli/TextTable.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cli/OutputBuffer.h"
#include "cli/TerminalText.h"
#include "model/TextEncoding.h"
#include "platform/OrderedChunks.h"
#include "text/Utf8.h"

namespace kinshelf::cli {

TextTable::TextTable(std::vector<std::string> headers, std::vector<Align> alignments)
    : headers_(std::move(headers)), alignments_(std::move(alignments)) {
  if (headers_.empty() || alignments_.size() != headers_.size())
    throw std::invalid_argument("a table needs one alignment for each of its columns");
  // The header is laid out as a row, whose widths are kept in a byte each.
  for (const std::string& header : headers_) {
    if (DisplayLength(header) > UINT8_MAX) throw std::invalid_argument("a table header over 255 characters");
  }
}

namespace {

// Whether a cell can be shown as it is (no control characters), and whether it is plain ASCII, whose
// width needs no count of its characters; found in one pass.
struct CellBytes {
  bool shownAsIs = true;
  bool plainAscii = true;
};

// The bytes of a cell in one pass, sixteen at a time where SSE2 is there: control characters
// (below 0x20, and 0x7F) and bytes from 0x80 on are gathered in two masks, looked at once at the end.
// A text of sixteen bytes or more ends with its last sixteen, read again in part.
CellBytes Classify(std::string_view text) {
  std::size_t pos = 0;
  bool control = false;
  bool high = false;
#if defined(__SSE2__)
  if (text.size() >= 16) {
    __m128i controls = _mm_setzero_si128();
    __m128i highs = _mm_setzero_si128();
    const auto look = [&controls, &highs](const char* bytes) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
      // As signed bytes, those from 0x80 on are negative: a control character is one of 0 to 0x1F.
      const __m128i below =
          _mm_andnot_si128(_mm_cmplt_epi8(v, _mm_setzero_si128()), _mm_cmplt_epi8(v, _mm_set1_epi8(0x20)));
      controls = _mm_or_si128(controls, _mm_or_si128(below, _mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F))));
      highs = _mm_or_si128(highs, v);
    };
    for (; pos + 16 <= text.size(); pos += 16) look(text.data() + pos);
    if (pos < text.size()) look(text.data() + text.size() - 16);
    control = _mm_movemask_epi8(controls) != 0;
    high = _mm_movemask_epi8(highs) != 0;
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

// True when the row's text is well-formed UTF-8 and no end of a cell but the last cuts a sequence, so
// that each cell is well-formed too. The ends are only looked at here; they are checked after.
bool WellFormedCells(std::string_view all, std::string_view row, std::span<const std::size_t> cellEnds) {
  if (!IsValidUtf8(row)) return false;
  return std::none_of(cellEnds.begin(), cellEnds.end(),
                      [&all](std::size_t end) { return end < all.size() && IsUtf8Continuation(all[end]); });
}

}  // namespace

void TextTable::AddRow(const std::vector<std::string>& cells) {
  const std::vector<std::string_view> views(cells.begin(), cells.end());
  AddCells(views);
}

TextTable::Block& TextTable::OpenBlock() {
  if (blocks_.empty() || blocks_.back().cells.View().size() > kBlockBytes) blocks_.emplace_back();
  return blocks_.back();
}

std::size_t TextTable::Limit(std::size_t column) const {
  return column + 1 == headers_.size() ? kLastCellLimit : kCellLimit;
}

// A cell within its limit and free of control characters is shown as it is; `made` is left empty.
std::size_t TextTable::ShownCell(std::string_view cell, std::size_t column, std::string& made) const {
  const std::size_t limit = Limit(column);
  const CellBytes bytes = cell.size() <= limit ? Classify(cell) : CellBytes{false, false};
  made.clear();
  // No longer in characters than in bytes, and nothing to make visible.
  if (bytes.shownAsIs) return bytes.plainAscii ? cell.size() : DisplayLength(cell);
  made = ShortenedAtEnd(TerminalText(std::string(cell)), limit);
  return DisplayLength(made);
}

void TextTable::AddCells(std::span<const std::string_view> cells) {
  Block& block = OpenBlock();
  block.rowStarts.push_back(static_cast<std::uint32_t>(block.cells.View().size()));
  std::string made;
  for (std::size_t column = 0; column < headers_.size(); ++column) {
    const std::string_view cell = column < cells.size() ? cells[column] : std::string_view();
    const std::size_t width = ShownCell(cell, column, made);
    block.cells.Append(made.empty() ? cell : made);
    block.cellWidths.push_back(static_cast<std::uint8_t>(width));
    block.Widen(column, static_cast<std::uint8_t>(width));
    block.cellEnds.push_back(static_cast<std::uint32_t>(block.cells.View().size()));
  }
}

void TextTable::AddRows(TextTable&& rows) {
  for (Block& block : rows.blocks_) blocks_.push_back(std::move(block));
  rows.blocks_.clear();
}

void TextTable::CopyRows(const TextTable& rows) {
  if (&rows == this) throw std::invalid_argument("a table's rows copied into itself");
  for (const Block& block : rows.blocks_) {
    const std::size_t count = block.rowStarts.size();
    const std::size_t text = block.cells.View().size();
    if (count == 0) continue;
    if (blocks_.empty() || !HasRoom(blocks_.back(), block)) {
      const std::size_t last = blocks_.empty() ? 0 : blocks_.back().rowStarts.size();
      const std::size_t room = std::max(count, std::min(kMostCopiedRows, 2 * last));
      // Twice the text of the rows' average: rows of the same listing are of much the same length.
      blocks_.push_back(RoomyBlock(room, std::min(kBlockBytes, 2 * room * (text / count + 1))));
    }
    AppendRows(block, blocks_.back());
  }
}

bool TextTable::HasRoom(const Block& block, const Block& rows) {
  const auto fits = [](const auto& into, const auto& from) {
    return into.capacity() - into.size() >= from.size();
  };
  const std::size_t text = rows.cells.View().size();
  return fits(block.rowStarts, rows.rowStarts) && fits(block.cellEnds, rows.cellEnds) &&
         fits(block.cellWidths, rows.cellWidths) && block.cells.FreeRoom() >= text &&
         block.cells.View().size() + text <= kBlockBytes;
}

TextTable::Block TextTable::RoomyBlock(std::size_t rows, std::size_t bytes) const {
  Block block;
  block.cells = OutputBuffer::Kept(bytes);
  block.rowStarts.reserve(rows);
  block.cellEnds.reserve(rows * headers_.size());
  block.cellWidths.reserve(rows * headers_.size());
  return block;
}

// The rows' text goes after the block's: their starts and ends move by its length.
void TextTable::AppendRows(const Block& rows, Block& block) {
  const auto shift = static_cast<std::uint32_t>(block.cells.View().size());
  block.cells.Append(rows.cells.View());
  const auto appendShifted = [shift](const Buffer<std::uint32_t>& from, Buffer<std::uint32_t>& to) {
    const std::size_t at = to.size();
    to.insert(to.end(), from.begin(), from.end());
    for (std::size_t i = at; i < to.size(); ++i) to[i] += shift;
  };
  appendShifted(rows.rowStarts, block.rowStarts);
  appendShifted(rows.cellEnds, block.cellEnds);
  block.cellWidths.insert(block.cellWidths.end(), rows.cellWidths.begin(), rows.cellWidths.end());
  for (std::size_t column = 0; column < rows.widest.size(); ++column)
    block.Widen(column, rows.widest[column]);
}

void TextTable::AddRows(OutputBuffer&& text, std::span<const std::size_t> cellEnds, bool wellFormedUtf8) {
  const std::size_t columns = headers_.size();
  if (columns == 0 || cellEnds.size() % columns != 0)
    throw std::invalid_argument("table rows of a different number of cells");
  if (cellEnds.empty()) return;
  const std::string_view all = text.View();
  if (all.size() > kBlockBytes) {
    // Cell ends would not fit their 32 bits: the rows are copied into blocks of the usual size.
    std::vector<std::string_view> cells(columns);
    std::size_t begin = 0;
    for (std::size_t row = 0; row < cellEnds.size(); row += columns) {
      for (std::size_t column = 0; column < columns; ++column) {
        cells[column] = all.substr(begin, cellEnds[row + column] - begin);
        begin = cellEnds[row + column];
      }
      AddCells(cells);
    }
    return;
  }
  TakeRows(std::move(text), cellEnds, wellFormedUtf8);
}

// Each row is looked at once: most rows of a listing are plain ASCII, and their widths are their
// lengths.
void TextTable::TakeRows(OutputBuffer&& text, std::span<const std::size_t> cellEnds, bool wellFormedUtf8) {
  const std::size_t columns = headers_.size();
  const std::string_view all = text.View();
  Block block;
  block.rowStarts.reserve(cellEnds.size() / columns);
  block.cellEnds.reserve(cellEnds.size());
  block.cellWidths.reserve(cellEnds.size());
  std::vector<std::size_t> remade;
  std::size_t begin = 0;
  for (std::size_t row = 0, cell = 0; cell < cellEnds.size(); ++row) {
    block.rowStarts.push_back(static_cast<std::uint32_t>(begin));
    const std::size_t rowEnd = cellEnds[cell + columns - 1];
    if (rowEnd < begin || rowEnd > all.size()) throw std::invalid_argument("table cell ends out of order");
    const std::string_view rowText = all.substr(begin, rowEnd - begin);
    const CellBytes rowBytes = Classify(rowText);
    const bool wellFormed =
        wellFormedUtf8 ||
        (!rowBytes.plainAscii && WellFormedCells(all, rowText, cellEnds.subspan(cell, columns - 1)));
    bool asIs = rowBytes.shownAsIs;
    for (std::size_t column = 0; column < columns; ++column, ++cell) {
      const std::size_t end = cellEnds[cell];
      if (end < begin || end > rowEnd) throw std::invalid_argument("table cell ends out of order");
      const std::string_view shown(all.data() + begin, end - begin);
      const std::size_t width = rowBytes.plainAscii ? shown.size()
                                : wellFormed        ? WellFormedDisplayLength(shown)
                                                    : DisplayLength(shown);
      asIs = asIs && width <= Limit(column);
      block.cellWidths.push_back(static_cast<std::uint8_t>(std::min<std::size_t>(width, UINT8_MAX)));
      block.cellEnds.push_back(static_cast<std::uint32_t>(end));
      begin = end;
    }
    if (!asIs) remade.push_back(row);
  }
  block.cells = std::move(text);
  for (const std::size_t row : remade) RemakeRow(block, row);
  // After the rows remade, whose cells may have got narrower.
  block.widest.assign(columns, 0);
  for (std::size_t cell = 0; cell < block.cellWidths.size(); cell += columns) {
    for (std::size_t column = 0; column < columns; ++column)
      block.widest[column] = std::max(block.widest[column], block.cellWidths[cell + column]);
  }
  blocks_.push_back(std::move(block));
}

// The row's cells as they are shown, written after the block's text: cut or made visible, a cell may
// take more bytes than before.
void TextTable::RemakeRow(Block& block, std::size_t row) {
  const std::size_t columns = headers_.size();
  const std::size_t first = row * columns;
  const std::size_t start = block.rowStarts[row];
  // A copy, since the block's text may move as it grows.
  const std::string original(block.cells.View().substr(start, block.cellEnds[first + columns - 1] - start));
  block.rowStarts[row] = static_cast<std::uint32_t>(block.cells.View().size());
  std::string made;
  std::size_t begin = 0;
  for (std::size_t column = 0; column < columns; ++column) {
    const std::size_t end = block.cellEnds[first + column] - start;
    const std::string_view cell = std::string_view(original).substr(begin, end - begin);
    block.cellWidths[first + column] = static_cast<std::uint8_t>(ShownCell(cell, column, made));
    block.cells.Append(made.empty() ? cell : made);
    block.cellEnds[first + column] = static_cast<std::uint32_t>(block.cells.View().size());
    begin = end;
  }
}

void TextTable::Block::Widen(std::size_t column, std::uint8_t width) {
  if (widest.size() <= column) widest.resize(column + 1);
  widest[column] = std::max(widest[column], width);
}

namespace {

// Writes `count` blanks at `out`, sixteen at a time where SSE2 is there: up to fifteen more, which
// what follows writes over.
char* PutBlanks(char* out, std::size_t count) {
#if defined(__SSE2__)
  const __m128i blanks = _mm_set1_epi8(' ');
  for (std::size_t done = 0; done < count; done += 16)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), blanks);
  return out + count;
#else
  return std::fill_n(out, count, ' ');
#endif
}

// Copies `text` to `out`, sixteen bytes at a time where as many may be read from its start (whole
// sixteens, up to `readable`): up to fifteen bytes more are written, which what follows writes over.
char* PutText(char* out, std::string_view text, [[maybe_unused]] std::size_t readable) {
#if defined(__SSE2__)
  if (text.size() <= readable && readable - text.size() >= 15) {
    for (std::size_t done = 0; done < text.size(); done += 16) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + done)));
    }
    return out + text.size();
  }
#endif
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

}  // namespace

// `out` has room for RowRoom(widths) bytes, the row's cells' bytes and kOverrun. A cell's text is
// read sixteen bytes at a time as far as the block's buffer reaches.
char* TextTable::PutRow(char* out, const Block& block, std::size_t row,
                        const std::vector<std::size_t>& widths) const {
  const std::size_t columns = headers_.size();
  const std::size_t first = row * columns;
  const char* const cells = block.cells.View().data();
  const std::size_t readable = block.cells.HeldBytes();
  char* const start = out;
  std::size_t begin = block.rowStarts[row];
  // Blanks are written only once a text follows them, since the line ends without blanks.
  std::size_t blanks = 0;
  for (std::size_t column = 0; column < columns; ++column) {
    const std::size_t end = block.cellEnds[first + column];
    const std::size_t padding = widths[column] - block.cellWidths[first + column];
    const bool right = alignments_[column] == Align::kRight;
    if (right) blanks += padding;
    if (end != begin) {
      out = PutText(PutBlanks(out, blanks), {cells + begin, end - begin}, readable - begin);
      blanks = 0;
    }
    if (column + 1 < columns) blanks += (right ? 0 : padding) + 2;
    begin = end;
  }
  while (out > start && out[-1] == ' ') --out;
  *out++ = '\n';
  return out;
}

// A row's room but for its cells' bytes: every column's width and the two blanks after it, and the
// line's end.
std::size_t TextTable::RowRoom(const std::vector<std::size_t>& widths) {
  std::size_t bytes = 1;
  for (const std::size_t width : widths) bytes += width + 2;
  return bytes;
}

// The header and the rule of dashes under it, as the rows of a block of their own.
TextTable::Block TextTable::HeadRows(const std::vector<std::size_t>& widths) const {
  std::size_t widest = 0;
  for (const std::size_t width : widths) widest = std::max(widest, width);
  const std::string dashes(widest, '-');
  Block block;
  for (const bool rule : {false, true}) {
    block.rowStarts.push_back(static_cast<std::uint32_t>(block.cells.View().size()));
    for (std::size_t column = 0; column < headers_.size(); ++column) {
      const std::string_view text =
          rule ? std::string_view(dashes).substr(0, widths[column]) : headers_[column];
      block.cells.Append(text);
      block.cellWidths.push_back(
          static_cast<std::uint8_t>(std::min<std::size_t>(DisplayLength(text), UINT8_MAX)));
      block.cellEnds.push_back(static_cast<std::uint32_t>(block.cells.View().size()));
    }
  }
  return block;
}

// The rows [first, end) of the block laid out in one text.
OutputBuffer TextTable::LaidOut(const Block& block, std::size_t first, std::size_t end,
                                const std::vector<std::size_t>& widths) const {
  const std::size_t columns = headers_.size();
  const std::size_t rowRoom = RowRoom(widths);
  const auto rowBytes = [&block, columns](std::size_t row) {
    return block.cellEnds[(row + 1) * columns - 1] - block.rowStarts[row];
  };
  std::size_t bytes = kOverrun;
  for (std::size_t row = first; row < end; ++row) bytes += rowRoom + rowBytes(row);
  OutputBuffer text(bytes);
  for (std::size_t row = first; row < end; ++row)
    text.Commit(PutRow(text.Room(rowRoom + rowBytes(row) + kOverrun), block, row, widths));
  return text;
}

void TextTable::Write(std::ostream& out) const {
  std::vector<std::size_t> widths(headers_.size());
  for (std::size_t column = 0; column < headers_.size(); ++column)
    widths[column] = DisplayLength(headers_[column]);
  for (const Block& block : blocks_) {
    for (std::size_t column = 0; column < block.widest.size(); ++column)
      widths[column] = std::max<std::size_t>(widths[column], block.widest[column]);
  }
  out << LaidOut(HeadRows(widths), 0, 2, widths).View();
  // Runs of rows are laid out on every core and written in order; each goes out in one write.
  const std::vector<RowRun> runs = RowRuns();
  platform::OrderedChunks<OutputBuffer>::Run(
      runs.size(), std::thread::hardware_concurrency(),
      [this, &widths, &runs](std::size_t index) {
        const RowRun& run = runs[index];
        return LaidOut(*run.block, run.first, run.end, widths);
      },
      [&out](OutputBuffer&& text) { out << text.View(); });
}

std::size_t TextTable::HeldBytes() const {
  std::size_t bytes = 0;
  for (const Block& block : blocks_) {
    bytes += block.cells.HeldBytes() + (block.rowStarts.capacity() + block.cellEnds.capacity()) * sizeof(std::uint32_t) +
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
