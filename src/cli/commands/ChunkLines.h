// The lines of a chunk of a people listing: what each renderer of the listing reads.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kinshelf::cli {

// The texts of a line, in the order they are stored.
enum Field : std::size_t { kId, kName, kBirthDate, kBirthPlace, kDeathDate, kDeathPlace, kFields };

// The lines of a chunk of individuals, their texts one after another in one buffer: a string
// each would be made, copied and freed again for every person.
struct ChunkLines {
  struct Line {
    std::int32_t index = 0;
    std::array<std::size_t, kFields + 1> bounds{};  // field f is texts[bounds[f], bounds[f + 1])
  };

  std::string texts;
  std::vector<Line> lines;

  // Every text of the line, one after another.
  std::string_view LineTexts(const Line& line) const {
    return std::string_view(texts).substr(line.bounds[kId], line.bounds[kFields] - line.bounds[kId]);
  }
  std::string_view Text(const Line& line, Field field) const {
    return std::string_view(texts).substr(line.bounds[field], line.bounds[field + 1] - line.bounds[field]);
  }
};

// Room for the lines' texts, the events' twice, and `layout` more bytes each, so that a chunk's
// text is not copied as it grows.
inline std::size_t RenderedSize(const ChunkLines& chunk, std::size_t layout) {
  const std::size_t size = 2 * chunk.texts.size() + layout * chunk.lines.size();
  return size + size / 8;
}

}  // namespace kinshelf::cli
