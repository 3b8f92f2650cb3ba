// The name nearest to a mistyped one, for the "did you mean" of an error message.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace kinshelf::cli {

// The number of single-character insertions, deletions and replacements that turn one name into the
// other, ASCII case ignored.
std::size_t EditDistance(std::string_view a, std::string_view b);

// The candidate with the smallest edit distance to `name`, the first of equally near ones; empty
// when there are no candidates or none is near enough to be a likely misspelling (more edits than a
// third of the name, and more than two). The view points into `candidates`.
std::string_view NearestName(std::string_view name, std::span<const std::string_view> candidates);

}  // namespace kinshelf::cli
