// The drives of the catalog search as its dialog lists them, which of them start checked, and the
// stored list of searched roots.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Drives.h"

namespace kinshelf {

struct SearchDrive {
  std::string root;  // the mount point with its trailing "/"
  std::string line;  // the root followed by its type, e.g. "/ (Hard drive)"
  bool checked = false;
};

// The drive lines in the order given. With nothing stored and on the first run every hard drive is
// checked; otherwise the first line whose root equals a stored root is checked, and stored roots
// that are no drive now are ignored.
std::vector<SearchDrive> SearchDriveLines(const std::vector<platform::Drive>& drives,
                                          std::string_view storedRoots, bool firstTime);

// Roots joined by "," as they are stored; a "," or "\" inside a root is escaped with "\", so that
// any folder name survives the round trip.
std::string JoinRoots(const std::vector<std::string>& roots);
// The roots of a stored text; empty pieces are dropped.
std::vector<std::string> SplitRoots(std::string_view stored);

}  // namespace kinshelf
