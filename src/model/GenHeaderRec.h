// One row of a file's header information, as the details view lists it.
#pragma once

#include <string>

namespace kinshelf {

// A caption and its value, both in the collection's text encoding.
struct GenHeaderRec {
  std::string caption;
  std::string value;
};

}  // namespace kinshelf
