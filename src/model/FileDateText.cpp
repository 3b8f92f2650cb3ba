// The last-write time of a collection's file.
#include "model/FileDateText.h"

#include <cstdio>
#include <optional>

#include "platform/DateTime.h"
#include "platform/FileInfo.h"
#include "text/CatalogDateFormat.h"

namespace kinshelf {

std::string FileDateText(const std::string& path) {
  const std::optional<platform::FileStatus> status = platform::StatusOf(path);
  if (!status) return {};
  const platform::DateTimeParts parts = platform::DecodeDateTime(status->modified);
  const int hour12 = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
  char text[64];
  std::snprintf(text, sizeof text, "%02d %s %d, %d:%02d %s", parts.day,
                std::string(MonthAbbrev(parts.month)).c_str(), parts.year, hour12, parts.minute,
                parts.hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace kinshelf
