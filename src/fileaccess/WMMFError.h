// The failure of a mapped-file store: the file's path and the number of the step that failed.
#pragma once

#include <stdexcept>
#include <string>

namespace kinshelf {

class WMMFError : public std::runtime_error {
 public:
  // Steps, as appended to the message: 1 creating a file, 2 opening an existing file or reading its
  // size, 3 preparing the mapping while opening (an empty file fails here), 4 mapping the view while
  // opening, 5 flushing a writable view, 6 unmapping the view, 7 getting the file ready to grow it,
  // 8 extending the file, 9 mapping the larger view.
  WMMFError(const std::string& path, int step);

  const std::string& Path() const { return path_; }
  int Step() const { return step_; }

 private:
  std::string path_;
  int step_;
};

}  // namespace kinshelf
