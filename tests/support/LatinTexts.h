// Texts of Latin letters, ASCII and two-byte sequences as most genealogy text is, each with one odd
// piece put in at every place: for code that looks at such text sixteen bytes at a time.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kinshelf::test {

// Every text of 0 to 40 bytes of 'a' with an "é" every few bytes, with each piece put in at each
// place: in a block of sixteen, across two, and at either end.
std::vector<std::string> LatinTextsWithOnePiece(std::span<const std::string_view> pieces);

}  // namespace kinshelf::test
