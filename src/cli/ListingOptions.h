// The listing options of the command line (--name, --kinds, --bookmarked, --sort, --desc), shared by
// the commands that work on a listing, and the listing filter they ask for.
#pragma once

#include <string>
#include <vector>

#include "catalog/KindSet.h"
#include "catalog/store/ListingFilter.h"
#include "cli/Command.h"

namespace kinshelf::cli {

// The kinds of a comma-separated list of command-line kind names, in any case and with blanks
// around each allowed. Throws UsageError naming an unknown one.
KindSet KindsOf(const std::string& list);

// The options --name, --kinds, --bookmarked, --sort and --desc.
std::vector<OptionSpec> ListingOptions();
// The filter the options ask for; sort keys match in any case. Throws UsageError naming an unknown
// kind or sort key.
ListingFilter ListingFilterOf(const ParsedArgs& args);

}  // namespace kinshelf::cli
