// A table for people: columns padded to their widest cell, counted in characters, not bytes, and
// cells cut so that one huge value cannot blow up every line of the table.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/OutputBuffer.h"
#include "platform/LargeBlocks.h"

namespace kinshelf::cli {

class TextTable {
 public:
  enum class Align { kLeft, kRight };

  // The most characters a cell shows. Every other row is padded to a column's widest cell, so
  // cells there stay short; the last column pads no row and gets room for whole paths.
  static constexpr std::size_t kCellLimit = 60;
  static constexpr std::size_t kLastCellLimit = 250;
  static_assert(kLastCellLimit <= UINT8_MAX);

  // The header row, one alignment per column; at least one column, and no header over 255
  // characters (std::invalid_argument otherwise).
  TextTable(std::vector<std::string> headers, std::vector<Align> alignments);
  // Adds a row; line breaks and tabs in a cell become blanks and other control characters show as ^X,
  // and a cell longer than its column's limit is cut to end in "…". Missing cells are empty.
  void AddRow(std::initializer_list<std::string_view> cells) { AddCells(cells); }
  void AddRow(const std::vector<std::string>& cells);
  // Adds the rows of a table with the same columns, made apart (on another thread, say), taking
  // over its buffers.
  void AddRows(TextTable&& rows);
  // Adds a copy of the rows of a table with the same columns, in room taken in large steps and kept
  // in huge pages: a listing's rows, held to its end in the small buffers they were made in, would
  // cost a fault for every 4 KiB of them, more than the copy does, while the buffers they leave are
  // used again for the next rows. `rows` is another table.
  void CopyRows(const TextTable& rows);
  // Adds rows whose cells lie one after another in `text`, row after row from its start: cell c
  // of the rows ends at text[cellEnds[c]]. Where every cell is shown as it is, as in most
  // listings, the rows take over the text instead of a copy; the ends must not decrease.
  // `wellFormedUtf8` says the text is known to be well-formed UTF-8, whose widths are quick to count.
  void AddRows(OutputBuffer&& text, std::span<const std::size_t> cellEnds, bool wellFormedUtf8);
  // The memory its rows take, room kept included.
  std::size_t HeldBytes() const;
  // Writes the header, a rule of dashes, and every row; the last column is never padded.
  void Write(std::ostream& out) const;

 private:
  // Rows' shown cells one after the other in one text (a million rows of small strings would cost
  // more in their own allocations than in their bytes), with each row's start and each cell's end
  // and width. Rows go to the last block; AddRows hands over a table's blocks whole, or takes over
  // a text of rows, and CopyRows appends rows to a block with room for them. A row whose cells are
  // cut or made visible is written anew after the text it came in. The cells are written through a
  // pointer; arrays of a megabyte or more are kept in huge pages.
  template <typename T>
  using Buffer = std::vector<T, platform::LargeBlockAllocator<T>>;
  struct Block {
    OutputBuffer cells;
    Buffer<std::uint32_t> rowStarts;
    Buffer<std::uint32_t> cellEnds;
    // A shown cell is at most kLastCellLimit characters wide.
    Buffer<std::uint8_t> cellWidths;
    // The widest shown cell of each column, kept as rows come so that the table's widths need no
    // pass over every cell.
    std::vector<std::uint8_t> widest;

    void Widen(std::size_t column, std::uint8_t width);
  };
  // A block's cell ends fit in 32 bits: a new block starts before its text grows past this.
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 30;
  // The most rows a block that rows are copied into takes room for; each takes twice the room of
  // the one before, so that a short listing keeps to little memory.
  static constexpr std::size_t kMostCopiedRows = std::size_t{1} << 20;
  // Bytes a row's line may be written past its end, in room its writer keeps.
  static constexpr std::size_t kOverrun = 16;

  void AddCells(std::span<const std::string_view> cells);
  // The most characters cell `column` shows.
  std::size_t Limit(std::size_t column) const;
  // The width of a cell as shown, and in `made` the text shown where that is not the cell itself.
  std::size_t ShownCell(std::string_view cell, std::size_t column, std::string& made) const;
  // Adds the rows of AddRows as a block of their own, taking over their text.
  void TakeRows(OutputBuffer&& text, std::span<const std::size_t> cellEnds, bool wellFormedUtf8);
  void RemakeRow(Block& block, std::size_t row);
  // Whether `rows` can be copied into `block` without any of its buffers growing.
  static bool HasRoom(const Block& block, const Block& rows);
  // An empty block with room for `rows` rows of the columns, and `bytes` bytes of text.
  Block RoomyBlock(std::size_t rows, std::size_t bytes) const;
  static void AppendRows(const Block& rows, Block& block);
  Block& OpenBlock();
  // The rows of the table cut into runs that can be laid out apart: a block and its rows [first, end).
  struct RowRun {
    const Block* block;
    std::size_t first;
    std::size_t end;
  };
  std::vector<RowRun> RowRuns() const;
  static std::size_t RowRoom(const std::vector<std::size_t>& widths);
  // Writes a block's row as a line at `out`, and up to kOverrun bytes past its end; the end of the
  // line.
  char* PutRow(char* out, const Block& block, std::size_t row, const std::vector<std::size_t>& widths) const;
  // The header and its rule as a block's two rows.
  Block HeadRows(const std::vector<std::size_t>& widths) const;
  // The lines of a block's rows [first, end).
  OutputBuffer LaidOut(const Block& block, std::size_t first, std::size_t end,
                       const std::vector<std::size_t>& widths) const;

  std::vector<std::string> headers_;
  std::vector<Align> alignments_;
  std::vector<Block> blocks_;
};

}  // namespace kinshelf::cli
