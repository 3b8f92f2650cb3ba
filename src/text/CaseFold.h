// Letter case without regard to the user's locale: each character of a UTF-8 text folded to its
// lower-case form by Unicode's simple case mapping, so that "Müller", "MÜLLER" and "müller" match
// alike. Bytes that are no UTF-8 stay as they are. Safe from any thread.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf {

// The character folded; characters without a lower-case form stay.
char32_t FoldCase(char32_t character);
// The character's upper-case form by Unicode's simple mapping (ß stays ß); others stay.
char32_t UpperCaseOf(char32_t character);
// The text with every well-formed character folded; stray bytes are copied.
std::string FoldedText(std::string_view text);
// Whether `part` occurs in `text`, case folded.
bool ContainsFolded(std::string_view text, std::string_view part);
// The characters of the text folded; a stray byte becomes a value above the Unicode range, so that
// it only ever matches the same stray byte.
std::u32string FoldedCharacters(std::string_view text);
// SQL LIKE without an escape character, case folded: "%" matches any run of characters, "_" one
// character (a stray byte counts as one).
bool LikeFolded(std::string_view pattern, std::string_view text);
// The same with the pattern already folded by FoldedCharacters, for matching many texts.
bool LikeFolded(std::u32string_view foldedPattern, std::string_view text);

}  // namespace kinshelf
