// A table for people: columns padded to their widest cell, counted in characters, not bytes, and
// cells cut so that one huge value cannot blow up every line of the table.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kinshelf::cli {

class TextTable {
 public:
  enum class Align { kLeft, kRight };

  // The most characters a cell shows. Every other row is padded to a column's widest cell, so
  // cells there stay short; the last column pads no row and gets room for whole paths.
  static constexpr std::size_t kCellLimit = 60;
  static constexpr std::size_t kLastCellLimit = 250;

  // The header row, one alignment per column.
  TextTable(std::vector<std::string> headers, std::vector<Align> alignments);
  // Adds a row; line breaks and tabs in a cell become blanks and other control characters show as ^X,
  // and a cell longer than its column's limit is cut to end in "…".
  void AddRow(std::vector<std::string> cells);
  // Writes the header, a rule of dashes, and every row; the last column is never padded.
  void Write(std::ostream& out) const;

 private:
  void WriteRow(std::ostream& out, const std::vector<std::string>& cells,
                const std::vector<std::size_t>& widths) const;

  std::vector<std::string> headers_;
  std::vector<Align> alignments_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace kinshelf::cli
