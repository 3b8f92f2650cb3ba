// Temporary files made with mkstemp, so that no other process can take the name in between.
#include "platform/TempFile.h"

#include <fcntl.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "platform/Paths.h"
#include "platform/UserFolders.h"

namespace kinshelf::platform {

TempFile CreateTempFile(const std::string& prefix) {
  const std::string pattern = JoinPath(TempFolder(), prefix + "XXXXXX");
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    throw std::runtime_error("Cannot create a temporary file in " + TempFolder() + ": " +
                             std::strerror(errno));
  }
  return TempFile{std::string(name.data()), FileDescriptor(fd)};
}

}  // namespace kinshelf::platform
