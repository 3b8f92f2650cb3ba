// The error of a cross-reference key comparison given no key.
#pragma once

#include <stdexcept>

namespace kinshelf {

class ECompareError : public std::runtime_error {
 public:
  ECompareError()
      : std::runtime_error("Error in compare function of CompareRIN - nil passed as an argument") {}
};

}  // namespace kinshelf
