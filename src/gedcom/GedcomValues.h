// Values of GEDCOM lines, read from positions in a mapped text: trimmed values, whole-line values,
// level numbers, the place below an event, short texts and the character-set conversion. Every
// function copies only the value it returns and stops at the end of the text.
#pragma once

#include <string>
#include <string_view>

#include "gedcom/WTextMMF.h"

namespace kinshelf::gedcom {

// From pos: past the spaces, up to the next CR, LF or NUL, without trailing spaces and CRs. A view
// into the text, valid while it is mapped; empty for pos nullptr or at the end.
std::string_view TrimmedValueView(const char* pos, const char* end);

// The trimmed value after the tag of the line at `line` (a three- or four-letter tag alike): past
// the level and space, the tag and the spaces after it. A view into the text; empty for nullptr.
std::string_view ValueAfterTag(const char* line, const char* end);

// TrimmedValueView as a string.
std::string GetTrimmedValue(const WTextMMF& text, const char* pos);
// The value of the whole line at `line`: past leading spaces, the level, spaces, the tag and
// spaces, then as GetTrimmedValue.
std::string GetLineValue(const WTextMMF& text, const char* line);
// The level number written from `line` up to the first space or the line end; 0 when that text
// is not a decimal number (or does not fit an int). Never reads past the line end.
int GetLevel(const WTextMMF& text, const char* line);
// The value of the first PLAC line among the lines one level below `line` (wherever it stands among
// them); empty without one.
std::string FindPlaceValue(const WTextMMF& text, const char* line);
// The text past leading spaces, up to the first CR, LF or NUL, without trailing spaces. Whole,
// whatever its length.
std::string TrimShortText(std::string_view text);
// A text of the file in the encoding the collection reports: ANSEL (character-set code 1) becomes
// UTF-8; every other code leaves the bytes as they are.
std::string ConvertText(int charSet, std::string_view text);
// The text with every LF that does not follow a CR made CR LF.
std::string WithCrLfBreaks(std::string_view text);
// The character-set code of a CHAR value: "ANSEL" 1, "UTF-8" 2, anything else 0; case ignored.
int CharSetOfValue(std::string_view value);

}  // namespace kinshelf::gedcom
