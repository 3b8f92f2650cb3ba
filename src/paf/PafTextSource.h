// Where a PAF date finds the text that a text link points at. The mapped PAF file provides it; tests
// and the fuzzer use PafTextRecords over a byte range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kinshelf {

class PafTextSource {
 public:
  virtual ~PafTextSource() = default;

  // The text of the text record at file offset `link`, at most 256 bytes, exactly as stored (no
  // character conversion); nullopt when the link is 0 or -1 or points at no text record inside the
  // file.
  virtual std::optional<std::string> TextAt(std::int32_t link) const = 0;

 protected:
  PafTextSource() = default;
  PafTextSource(const PafTextSource&) = default;
  PafTextSource& operator=(const PafTextSource&) = default;
};

}  // namespace kinshelf
