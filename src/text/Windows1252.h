// Windows-1252 text to UTF-8 and back: exclusion files of earlier versions and genealogy texts in that
// code page are shown and stored as UTF-8; texts decoded from other code pages join Windows-1252 ones.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kinshelf {

// Every byte becomes its character in UTF-8: 0x80-0x9F by the Windows-1252 table (its five unassigned
// bytes become the control characters of the same value), every other byte the Latin-1 character.
std::string Windows1252ToUtf8(std::string_view text);
// The most bytes one Windows-1252 byte takes in UTF-8.
inline constexpr std::size_t kMostUtf8PerWindows1252Byte = 3;
// The same written at `out`, which has room for kMostUtf8PerWindows1252Byte bytes per byte of text;
// the end of what it wrote. The room after that end may have been written over as well.
char* PutWindows1252AsUtf8(char* out, std::string_view text);

// Every UTF-8 character that Windows-1252 has becomes its byte; any other character, and any byte
// that is not part of well-formed UTF-8, becomes '?'.
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace kinshelf
