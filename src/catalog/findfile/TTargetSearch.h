// The objects of one search run, built from the criteria when a run starts and freed when it ends:
// the folders to walk, each with its masks and depth limits, the reject masks, and private copies
// of the other criteria. A run never changes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/findfile/SearchCriteria.h"

namespace kinshelf {

struct TTargetFolder {
  std::string Path;                // absolute, ending with "/"
  std::vector<std::string> Masks;  // no two equal without regard to ASCII case
  bool Recursive = true;
  std::uint16_t MinLevel = 0;
  std::uint16_t MaxLevel = 0;
};

struct TTargetFolderList {
  std::vector<TTargetFolder> Folders;    // in the order first named, which is the walk order
  std::vector<std::string> RejectMasks;  // the non-empty reject masks
};

struct TTargetSearch {
  TTargetFolderList Targets;
  TAttributeCriteria Attribute;
  TAttributeCriteriaEx AttributeEx;
  TDateTimeCriteria TimeStamp;
  TSizeCriteria Size;
  TContentCriteria Content;
};

// The run for a set of criteria. A folder named twice (same absolute path, compared byte for byte, as
// folder names are case-sensitive here) is one target: the later naming sets its recursion flag and
// levels, and adds its masks. With a content phrase, directories are dropped from the attribute set.
TTargetSearch BuildTargetSearch(const TSearchCriteria& criteria);

// The masks of a ";"-separated text: trimmed, empty ones and repeats (ignoring ASCII case) dropped;
// "*.*" when none is left.
std::vector<std::string> SplitMasks(const std::string& text);

// The identity of a folder: its absolute path (platform::ExpandPath, links not resolved) ending with "/".
std::string FolderIdentity(const std::string& folder);

}  // namespace kinshelf
