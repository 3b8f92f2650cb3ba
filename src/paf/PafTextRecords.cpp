// The text records of a PAF file, reached by text links.
#include "paf/PafTextRecords.h"

#include "paf/ByteCursor.h"
#include "paf/PafDateFormat.h"

namespace kinshelf {

std::optional<std::string> PafTextRecords::TextAt(std::int32_t link) const {
  const std::optional<std::string_view> text = TextViewAt(link);
  return text ? std::optional<std::string>(*text) : std::nullopt;
}

std::optional<std::string_view> PafTextRecords::TextViewAt(std::int32_t link) const {
  // 0 and -1 link nothing; no other negative offset lies in a file either.
  if (link < 1) return std::nullopt;
  ByteCursor cursor(file_);
  if (!cursor.Seek(static_cast<std::size_t>(link) + paf::kTextRecordTextOffset)) return std::nullopt;
  return cursor.ReadZeroEndedView(paf::kTextRecordTextWidth);
}

}  // namespace kinshelf
