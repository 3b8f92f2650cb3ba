// Windows-1252 text to UTF-8: exclusion files of earlier versions and genealogy texts in that code
// page are shown and stored as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf {

// Every byte becomes its character in UTF-8: 0x80-0x9F by the Windows-1252 table (its five unassigned
// bytes become the control characters of the same value), every other byte the Latin-1 character.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace kinshelf
