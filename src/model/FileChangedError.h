// The error of a file that changed while it was open: what its mapping holds is no longer what was
// read, and nothing more of it can be trusted. Any other error of a reader concerns the record it
// was reading.
#pragma once

#include <stdexcept>

namespace kinshelf {

class FileChangedError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kinshelf
