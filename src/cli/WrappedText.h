// Text broken into lines at blanks to fit a width, for help texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kinshelf::cli {

// The words of `text` (runs of characters between blanks and line breaks) on lines of at most
// `width` characters, counted as DisplayLength counts them, for text that starts at column `indent`:
// every line after the first begins with `indent` blanks. A word never splits, so a word longer than
// the room stays whole on a line of its own; the room is never taken as less than 20 characters, so a
// narrow terminal cannot make a column of single words. Lines are joined by "\n", with none at the end.
std::string WrappedText(std::string_view text, std::size_t width, std::size_t indent);

}  // namespace kinshelf::cli
