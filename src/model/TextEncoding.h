// The 8-bit encoding of a collection's texts, and what the model and its viewers do with such text:
// upper-case it for names and turn it into UTF-8 for display.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/Windows1252.h"

namespace kinshelf {

// kWindows1252: PAF text and Windows-1252 GEDCOM files.
// kUtf8: a GEDCOM file that declares UTF-8, or ANSEL (decoded to UTF-8 on reading).
// kUtf8OrWindows1252: a GEDCOM file that declares nothing else; each text is UTF-8 when it is valid
// UTF-8 and Windows-1252 otherwise.
enum class TextEncoding { kWindows1252, kUtf8, kUtf8OrWindows1252 };

// True when every byte belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(std::string_view text);

// The text upper-cased in the same encoding: in Windows-1252 the letters it can upper-case (ASCII, the
// Latin-1 letters, š, œ, ž and ÿ); in UTF-8 every letter Unicode gives a capital (ß stays). Every
// other byte or character is kept as it is.
std::string UpperCaseText(std::string_view text, TextEncoding encoding);

// The text in UTF-8, for showing it in a window or on a terminal.
std::string ToDisplayUtf8(std::string_view text, TextEncoding encoding);
// The same, handing the text itself back when it needs no conversion (ASCII, or UTF-8 read as such).
std::string ToDisplayUtf8(std::string&& text, TextEncoding encoding);
// The most bytes PutDisplayUtf8 writes for a text of `bytes` bytes.
std::size_t DisplayUtf8Room(std::size_t bytes, TextEncoding encoding);
// True when ToDisplayUtf8 gives well-formed UTF-8 whatever the text: in all but UTF-8, whose texts are
// shown as they stand.
inline bool DisplaysWellFormedUtf8(TextEncoding encoding) {
  return encoding != TextEncoding::kUtf8;
}
// ToDisplayUtf8 written at `out`, which has room for DisplayUtf8Room(text.size()) bytes, copying
// the text straight when it needs no conversion; the end of what it wrote. The room after that end
// may have been written over as well. PutDisplayUtf8AsNeeded is the same for the encodings whose
// texts may be UTF-8 as they stand.
char* PutDisplayUtf8AsNeeded(char* out, std::string_view text, TextEncoding encoding);
// Every text of a listing comes through here: the dispatch is kept inline.
inline char* PutDisplayUtf8(char* out, std::string_view text, TextEncoding encoding) {
  return encoding == TextEncoding::kWindows1252 ? PutWindows1252AsUtf8(out, text)
                                                : PutDisplayUtf8AsNeeded(out, text, encoding);
}

}  // namespace kinshelf
