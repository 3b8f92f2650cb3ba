// The filters and sort order of the catalog listing as the command line gives them, shared by the
// commands that work on a listing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalog/FileKinds.h"
#include "cli/Command.h"

namespace kinshelf {
class WFileStore;
class WIntArray;
}  // namespace kinshelf

namespace kinshelf::cli {

struct ListingFilter {
  std::string name;
  KindSet kinds = AllKinds();
  bool bookmarksOnly = false;
  int sortColumn = 1;
  bool ascending = true;
};

// The kinds of a comma-separated list of command-line kind names. Throws UsageError naming an
// unknown one.
KindSet KindsOf(const std::string& list);

// The options --name, --kinds, --bookmarked, --sort and --desc.
std::vector<OptionSpec> ListingOptions();
// The filter the options ask for. Throws UsageError naming an unknown kind or sort key.
ListingFilter ListingFilterOf(const ParsedArgs& args);
// The ids of the listed files, in order.
std::unique_ptr<WIntArray> ListFiles(WFileStore& store, const ListingFilter& filter);

}  // namespace kinshelf::cli
