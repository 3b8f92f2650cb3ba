// The statements that create the catalog's tables and indexes, and those that upgrade older files.
#pragma once

#include <array>
#include <string_view>

namespace kinshelf::schema {

// The creation statements, in the order they run.
extern const std::array<std::string_view, 7> kCreateStatements;

// Columns added by the upgrade from 2.001 and from 2.002.
inline constexpr std::string_view kAddTmpFlag = "ALTER TABLE Files ADD COLUMN TmpFlag integer DEFAULT 0;";
inline constexpr std::string_view kAddFileVer = "ALTER TABLE Files ADD COLUMN FileVer text COLLATE NOCASE;";
inline constexpr std::string_view kAddCrc32 = "ALTER TABLE Files ADD COLUMN crc32 integer DEFAULT 0;";

}  // namespace kinshelf::schema
