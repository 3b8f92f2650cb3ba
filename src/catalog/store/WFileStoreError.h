// The error of the catalog store: SQLite's message, or the store's own texts.
#pragma once

#include <stdexcept>
#include <string>

namespace kinshelf {

class WFileStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kinshelf
