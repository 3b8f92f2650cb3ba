// The text records of a PAF file, reached by the file offsets that text links hold. Reads only the
// bytes it is given: a link past them, or a text running into their end, stops there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "paf/PafTextSource.h"

namespace kinshelf {

class PafTextRecords final : public PafTextSource {
 public:
  // Over the whole file's bytes, which must outlive this object (a mapped view: as long as the
  // mapping).
  explicit PafTextRecords(std::span<const unsigned char> file) : file_(file) {}

  // The text from byte 13 of the record at `link`: up to the first zero byte, 256 bytes or the end
  // of the file. nullopt for a link below 1 or one whose text would start past the end.
  std::optional<std::string> TextAt(std::int32_t link) const override;
  // The same text as a view of the file's bytes.
  std::optional<std::string_view> TextViewAt(std::int32_t link) const;

 private:
  std::span<const unsigned char> file_;
};

}  // namespace kinshelf
