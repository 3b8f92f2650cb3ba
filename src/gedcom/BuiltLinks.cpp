// Which individuals and families have their links built.
#include "gedcom/BuiltLinks.h"

namespace kinshelf {

void BuiltLinks::Reserve(std::int32_t individualCount, std::int32_t familyCount) {
  if (!None()) return;
  // Index 0 stays unused: records count from 1. Both lists are made so that None() turns false.
  individuals_.assign(static_cast<std::size_t>(individualCount) + 1, State::kUnbuilt);
  families_.assign(static_cast<std::size_t>(familyCount) + 1, State::kUnbuilt);
}

void BuiltLinks::Clear() {
  individuals_.clear();
  families_.clear();
}

BuiltLinks::State BuiltLinks::StateOf(gedcom::Category category, std::int32_t record) const {
  const std::vector<State>& states = Of(category);
  return record > 0 && static_cast<std::size_t>(record) < states.size()
             ? states[static_cast<std::size_t>(record)]
             : State::kUnbuilt;
}

void BuiltLinks::Set(gedcom::Category category, std::int32_t record, State state) {
  std::vector<State>& states = Of(category);
  if (record > 0 && static_cast<std::size_t>(record) < states.size())
    states[static_cast<std::size_t>(record)] = state;
}

}  // namespace kinshelf
