// The four parts of a personal name, read together for a name's text.
#pragma once

#include <string>

namespace kinshelf {

struct NameParts {
  std::string prefix;
  std::string givenNames;
  std::string surname;
  std::string suffix;
};

}  // namespace kinshelf
