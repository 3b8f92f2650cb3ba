// The name nearest to a mistyped one.
#include "cli/NearestName.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "platform/AsciiCase.h"

namespace kinshelf::cli {

// Levenshtein's distance over one row of the table at a time.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const bool same = platform::LowerAscii(a[i - 1]) == platform::LowerAscii(b[j - 1]);
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string_view NearestName(std::string_view name, std::span<const std::string_view> candidates) {
  std::string_view nearest;
  std::size_t best = 0;
  for (const std::string_view candidate : candidates) {
    const std::size_t distance = EditDistance(name, candidate);
    if (nearest.empty() || distance < best) {
      nearest = candidate;
      best = distance;
    }
  }
  const std::size_t allowed = std::max<std::size_t>(2, name.size() / 3);
  return best <= allowed ? nearest : std::string_view();
}

}  // namespace kinshelf::cli
