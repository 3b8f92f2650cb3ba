// The order an exchange sort leaves, found without running it: for items ranked by a strict weak
// ordering, in O(n log n) instead of the sort's n²/2 comparisons.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kinshelf {

// The exchange sort meant here: for each place i in turn, and each later place j in turn, the items
// at i and j are swapped when the one at j ranks below the one at i. It puts the ranks in rising
// order but is not stable: it reorders items of equal rank in its own way, which this reproduces.
// Returns the original places of the items in the order the sort leaves them.
std::vector<std::size_t> ExchangeSortOrder(const std::vector<std::int64_t>& ranks);

}  // namespace kinshelf
