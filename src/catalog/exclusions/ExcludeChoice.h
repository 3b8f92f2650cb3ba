// The window-free rules of the "exclude what?" choice for one catalogued file, and the line that shows
// an exclusion entry in a list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalog/exclusions/WFileExcludeItem.h"

namespace kinshelf {

// The lines offered for a file, one per "/" in the path from left to right: the path up to and
// including that "/" followed by "*.*" (that folder and everything below it); then the full path
// itself (the file alone). /home/me/tree.ged gives /*.*, /home/*.*, /home/me/*.*, /home/me/tree.ged.
std::vector<std::string> ExcludeChoices(std::string_view fullPath);

// What a chosen line excludes: for a line ending in "/*.*" the folder before that "/" ("/" for the
// root line "/*.*"), to be added as a folder entry with its subfolders; any other line is the file
// itself, unchanged. A file literally named "*.*" cannot be told from its folder's line: the line
// means the folder.
std::string ExcludeChoiceResult(std::string_view chosenLine);

// The list line of an entry: "Path: /data (+ sub directories)" or "File: /data/x.ged".
std::string ExcludeEntryLine(const WFileExcludeItem& item);

}  // namespace kinshelf
