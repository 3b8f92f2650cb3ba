// Decoding ANSEL text (the GEDCOM character set that writes a diacritic before its letter) to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf {

// The text as UTF-8 in NFC, whatever the bytes:
// - ASCII bytes, NUL included, are copied;
// - a spacing character (0xA1-0xC8, and 0xCF for sharp s) becomes its Unicode character;
// - a run of combining marks (0xE0-0xFE) goes after the letter that follows it, and the two are
//   composed as NFC does: into a precomposed letter where Unicode has one, else the letter followed
//   by its marks in canonical order. A letter here is any printable ASCII character but the space, or
//   a spacing character;
// - a run of marks with no letter after it (at the end, or before a space, a control character or an
//   undefined byte) is shown on a no-break space, as Unicode shows a mark on its own;
// - every undefined byte (0x80-0xA0, the gaps in 0xA1-0xC8, 0xC9-0xDF but 0xCF, 0xFC, 0xFD and 0xFF)
//   becomes U+FFFD, so that damage stays visible.
std::string AnselToUtf8(std::string_view ansel);

}  // namespace kinshelf
