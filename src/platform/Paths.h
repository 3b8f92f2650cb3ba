// Path splitting and joining with this platform's separator.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf::platform {

inline constexpr char kSeparator = '/';

// The four parts of a full path as the catalog stores them.
struct PathParts {
  std::string drive;      // the drive root with its trailing separator; "/" on this platform
  std::string folder;     // the folder below the drive, without leading or trailing separator
  std::string baseName;   // the file name without its extension
  std::string extension;  // from the last dot of the file name, dot included; empty without a dot
};

// Splits a full path: /home/me/tree.ged gives "/", "home/me", "tree", ".ged"; /tree.ged gives "/", "".
PathParts SplitPath(std::string_view fullPath);

// Joins a folder and a name, adding a separator unless the folder is empty or already ends with one.
std::string JoinPath(std::string_view folder, std::string_view name);

// The text after the last separator.
std::string_view FileNamePart(std::string_view path);

// The text before the last separator; "/" for a name in the root, empty when there is no separator.
std::string_view FolderPart(std::string_view path);

// The extension of a file name from its last dot, dot included; empty without a dot.
std::string_view ExtensionPart(std::string_view fileName);

// The absolute form of a path: relative paths are taken from the working folder, "." and ".."
// parts and doubled separators are removed. Links are not resolved.
std::string ExpandPath(std::string_view path);

// The path with one trailing separator removed, unless it is the root itself.
std::string_view WithoutTrailingSeparator(std::string_view path);

}  // namespace kinshelf::platform
