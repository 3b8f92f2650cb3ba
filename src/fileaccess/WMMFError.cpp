// The failure of a mapped-file store: the file's path and the number of the step that failed.
#include "fileaccess/WMMFError.h"

namespace kinshelf {

WMMFError::WMMFError(const std::string& path, int step)
    : std::runtime_error("Error using the file " + path +
                         "\r\nPlease check that this file is not being used by another application." +
                         std::to_string(step)),
      path_(path),
      step_(step) {}

}  // namespace kinshelf
