// The spouses and children an individual's selector offers: per spouse family one item for the
// spouse, then one per child, each with the individual it leads to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kinshelf {

class WABSCollection;

struct RelativeItem {
  std::string text;
  std::int32_t individual = 0;  // 0 for an absent spouse
};

// "Spouse: " + the spouse's name with its identifier (or "<No Given Name>"), then "   " + the
// child line of every child in the family's order, for each spouse family in turn. Texts stay in the
// collection's encoding.
std::vector<RelativeItem> SpousesAndChildren(WABSCollection& collection, std::int32_t individual);

}  // namespace kinshelf
