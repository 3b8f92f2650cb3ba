// The listing options of the command line and the listing filter they ask for.
#include "cli/ListingOptions.h"

#include <array>

#include "platform/AsciiCase.h"

namespace kinshelf::cli {

namespace {

// Sort keys in the order of the listing's column numbers 1..5.
constexpr std::array<std::string_view, 5> kSortKeys{"name", "type", "size", "modified", "path"};

// The name without the blanks around it, so that "gedcom, paf" reads as it was meant.
std::string Trimmed(std::string_view name) {
  const auto first = name.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(name.substr(first, name.find_last_not_of(" \t") - first + 1));
}

}  // namespace

KindSet KindsOf(const std::string& list) {
  KindSet kinds;
  std::size_t start = 0;
  while (start <= list.size()) {
    const auto comma = list.find(',', start);
    const std::string name = Trimmed(
        std::string_view(list).substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    const FileKindInfo* info = FindKindByCommandName(name);
    if (info == nullptr) {
      throw UsageError("unknown kind \"" + name +
                       "\" (kinds: legacy, rootsmagic, paf, gedcom, ftm, aq, hft, tmg, genbox)");
    }
    kinds[info->kind] = true;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return kinds;
}

namespace {

ListingColumn SortColumnOf(const std::string& key) {
  for (std::size_t i = 0; i < kSortKeys.size(); ++i) {
    if (platform::EqualsIgnoringAsciiCase(kSortKeys[i], key)) return static_cast<ListingColumn>(i + 1);
  }
  throw UsageError("unknown sort key \"" + key + "\" (use name, type, size, modified or path)");
}

}  // namespace

std::vector<OptionSpec> ListingOptions() {
  return {
      {"name", "TEXT", "only files whose name contains TEXT (any case; % and _ are wildcards)"},
      {"kinds", "LIST",
       "only these kinds, separated by commas: legacy, rootsmagic, paf, gedcom, ftm, aq, hft, tmg, genbox"},
      {"bookmarked", "", "only bookmarked files"},
      {"sort", "KEY", "sort by name, type, size, modified or path, in any case (default: name)"},
      {"desc", "", "sort in descending order"},
  };
}

ListingFilter ListingFilterOf(const ParsedArgs& args) {
  ListingFilter filter;
  if (const auto name = args.Value("name")) filter.name = *name;
  if (const auto kinds = args.Value("kinds")) filter.kinds = KindsOf(*kinds);
  filter.bookmarksOnly = args.Has("bookmarked");
  if (const auto sort = args.Value("sort")) filter.sortColumn = SortColumnOf(*sort);
  filter.ascending = !args.Has("desc");
  return filter;
}

}  // namespace kinshelf::cli
