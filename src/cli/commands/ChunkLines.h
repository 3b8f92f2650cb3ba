// The lines of a chunk of a people listing: what each renderer of the listing reads.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cli/OutputBuffer.h"

namespace kinshelf::cli {

// The texts of a line, in the order they are stored: the index in decimal digits first.
enum Field : std::size_t { kIndex, kId, kName, kBirthDate, kBirthPlace, kDeathDate, kDeathPlace, kFields };

// An event's date and place joined, as JoinedPieces joins them: ", " between the two when both are there.
inline constexpr std::string_view kPiecesJoint = ", ";

// The lines of a chunk of individuals, their texts one after another in one buffer and each line
// right after the one before: a string each would be made, copied and freed again for every
// person. An event's date is followed by the joint where both its date and place are there, so
// that the event's joined text lies in one piece, and a line is the cells of its table row.
struct ChunkLines {
  struct Line {
    // Bit f is set when field f, an event's date, is followed by the joint.
    std::uint8_t joints = 0;
    // True when every text of the line is well-formed UTF-8, as the display conversion made it.
    bool wellFormed = false;
    // Field f starts at texts[starts[f]]; starts[kFields] is the end of the line.
    std::array<std::size_t, kFields + 1> starts{};
  };

  ChunkLines() = default;
  // Room for `count` lines of a usual length, so that the texts are seldom copied as they grow.
  explicit ChunkLines(std::size_t count) : texts(count * kUsualLineBytes) { lines.reserve(count); }

  OutputBuffer texts;
  std::vector<Line> lines;

  // Every text of the line, one after another, joints included.
  std::string_view LineTexts(const Line& line) const { return Between(line.starts[0], line.starts[kFields]); }
  std::string_view Text(const Line& line, Field field) const {
    const std::size_t joint = ((line.joints >> field) & 1) * kPiecesJoint.size();
    return Between(line.starts[field], line.starts[field + 1] - joint);
  }
  // The date and place of the event whose date is `date`, joined.
  std::string_view Joined(const Line& line, Field date) const {
    return Between(line.starts[date], line.starts[date + 2]);
  }

 private:
  static constexpr std::size_t kUsualLineBytes = 160;

  std::string_view Between(std::size_t begin, std::size_t end) const {
    return {texts.View().data() + begin, end - begin};
  }
};

// Room for the lines' texts, the events' twice, and `layout` more bytes each, so that a chunk's
// text is not copied as it grows.
inline std::size_t RenderedSize(const ChunkLines& chunk, std::size_t layout) {
  const std::size_t size = 2 * chunk.texts.View().size() + layout * chunk.lines.size();
  return size + size / 8;
}

}  // namespace kinshelf::cli
