// The error of a GEDCOM index asked for a record number it does not hold.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kinshelf {

class EIndexError : public std::runtime_error {
 public:
  explicit EIndexError(std::int32_t index)
      : std::runtime_error("Error: In valid index value = " + std::to_string(index)) {}
};

}  // namespace kinshelf
