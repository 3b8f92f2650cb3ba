// The error of a GEDCOM record object whose record cannot be located in the mapped text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kinshelf {

class EMemoryError : public std::runtime_error {
 public:
  // "Error getting pointer to <what> <index>", what being "individual" or "marriage".
  EMemoryError(std::string_view what, std::int32_t index)
      : std::runtime_error("Error getting pointer to " + std::string(what) + " " + std::to_string(index)) {}
};

}  // namespace kinshelf
