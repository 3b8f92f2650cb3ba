// The four parts of a personal name, read together for a name's text, as texts or as views.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf {

struct NameParts {
  std::string prefix;
  std::string givenNames;
  std::string surname;
  std::string suffix;
};

// The same parts where they stand, for laying out a name without copying them first.
struct NamePartViews {
  std::string_view prefix;
  std::string_view givenNames;
  std::string_view surname;
  std::string_view suffix;
};

}  // namespace kinshelf
