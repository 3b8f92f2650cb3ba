// Which individuals and families have their links built. The link pass builds every record's at
// once; a page that reads a few records before anything asked for the pass builds theirs first, and
// the pass then builds only the others, so that what a page already read (a sorted list of
// children, an ordered list of spouse families) stays as it is. Main thread only.
#pragma once

#include <cstdint>
#include <vector>

#include "gedcom/GedcomFormat.h"

namespace kinshelf {

class BuiltLinks {
 public:
  enum class State : std::uint8_t { kUnbuilt, kBuilding, kBuilt };

  // True while no record's links were built on their own: a pass then builds every record's.
  bool None() const { return individuals_.empty(); }
  // Makes room for every record of the two categories, all unbuilt; nothing when there is room.
  void Reserve(std::int32_t individualCount, std::int32_t familyCount);
  // Forgets every record's state.
  void Clear();

  // The state of an individual's or a family's links; kUnbuilt for a record out of range.
  State StateOf(gedcom::Category category, std::int32_t record) const;
  // Sets it; nothing for a record out of range.
  void Set(gedcom::Category category, std::int32_t record, State state);

 private:
  std::vector<State>& Of(gedcom::Category category) {
    return category == gedcom::kIndividuals ? individuals_ : families_;
  }
  const std::vector<State>& Of(gedcom::Category category) const {
    return category == gedcom::kIndividuals ? individuals_ : families_;
  }

  std::vector<State> individuals_;
  std::vector<State> families_;
};

}  // namespace kinshelf
