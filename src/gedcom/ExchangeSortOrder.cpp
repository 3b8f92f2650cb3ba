// The order an exchange sort leaves.
//
// Why it can be found without the sort. Pass i carries the item at place i along the later places;
// whenever it meets a lower rank it leaves the carried item there and carries the lower one on, so
// it ends with the first item of the lowest rank left at place i. Take one rank r, and among the
// places not settled yet only the items of lower ranks (L) and of rank r (E); higher ranks never
// change the order of the Es. While an L is left, each pass settles one L, and:
//  - when an E comes before the first L, the first E is left at the place of the first L, behind
//    the other Es before that L;
//  - otherwise the Es keep their order.
// Once no L is left, the Es are settled in the order they then have. So the Es form a queue: each
// L, in the order of the places, turns the queue by one (when it is not empty), and the Es after
// that L join at its back. Turning only moves where the queue starts, so each E joins at a known
// position of a ring, and the ring is filled from the last E to join back to the first.
#include "gedcom/ExchangeSortOrder.h"

#include <algorithm>
#include <numeric>

namespace kinshelf {

namespace {

// Counts kept per place, with sums of the places before one and search by such a sum (a Fenwick
// tree).
class PlaceCounts {
 public:
  explicit PlaceCounts(std::size_t size) : tree_(size + 1, 0) {}

  void Add(std::size_t place, std::int64_t amount) {
    for (std::size_t i = place + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += amount;
  }
  // The sum of the counts of the places before `place`.
  std::int64_t Before(std::size_t place) const {
    std::int64_t sum = 0;
    for (std::size_t i = place; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }
  // The first place whose count, added to those before it, makes more than `sum`.
  std::size_t Find(std::int64_t sum) const {
    std::size_t place = 0;
    std::size_t step = 1;
    while (step * 2 < tree_.size()) step *= 2;
    for (; step > 0; step /= 2) {
      if (place + step < tree_.size() && tree_[place + step] <= sum) {
        place += step;
        sum -= tree_[place];
      }
    }
    return place;
  }

 private:
  std::vector<std::int64_t> tree_;
};

// The places of the items, grouped by rising rank, each group in the order of the places.
std::vector<std::size_t> PlacesByRank(const std::vector<std::int64_t>& ranks) {
  std::vector<std::size_t> places(ranks.size());
  std::iota(places.begin(), places.end(), std::size_t{0});
  std::stable_sort(places.begin(), places.end(),
                   [&ranks](std::size_t a, std::size_t b) { return ranks[a] < ranks[b]; });
  return places;
}

// Appends the order the sort gives the items of one rank at `places` (rising), given the counts of
// the lower-ranked items by place.
void OrderOneRank(const std::vector<std::size_t>& places, const PlaceCounts& lower, std::size_t total,
                  std::vector<std::size_t>& order) {
  const std::size_t count = places.size();
  std::vector<std::size_t> joinAt(count);
  std::size_t front = 0;
  for (std::size_t j = 0; j < count; ++j) {
    joinAt[j] = front;  // the back of the ring, just before its front
    front = (front + 1) % (j + 1);
    const std::size_t until = j + 1 < count ? places[j + 1] : total;
    const auto turns = static_cast<std::size_t>(lower.Before(until) - lower.Before(places[j] + 1));
    front = (front + turns % (j + 1)) % (j + 1);
  }
  PlaceCounts free(count);
  for (std::size_t k = 0; k < count; ++k) free.Add(k, 1);
  std::vector<std::size_t> ring(count);
  for (std::size_t j = count; j-- > 0;) {
    const std::size_t slot = free.Find(static_cast<std::int64_t>(joinAt[j]));
    ring[slot] = places[j];
    free.Add(slot, -1);
  }
  for (std::size_t k = 0; k < count; ++k) order.push_back(ring[(front + k) % count]);
}

}  // namespace

std::vector<std::size_t> ExchangeSortOrder(const std::vector<std::int64_t>& ranks) {
  const std::vector<std::size_t> byRank = PlacesByRank(ranks);
  PlaceCounts lower(ranks.size());
  std::vector<std::size_t> order;
  order.reserve(ranks.size());
  for (auto first = byRank.begin(); first != byRank.end();) {
    const auto last =
        std::find_if(first, byRank.end(), [&](std::size_t place) { return ranks[place] != ranks[*first]; });
    std::vector<std::size_t> places(first, last);
    OrderOneRank(places, lower, ranks.size(), order);
    for (const std::size_t place : places) lower.Add(place, 1);
    first = last;
  }
  return order;
}

}  // namespace kinshelf
