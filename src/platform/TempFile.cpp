// Temporary files made with mkstemp, and scratch files without a name.
#include "platform/TempFile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "platform/FileIo.h"
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

TempFile CreateScratchFile(const std::string& prefix) {
  const int memoryFile = memfd_create(prefix.c_str(), MFD_CLOEXEC);
  if (memoryFile >= 0)
    return TempFile{"/proc/self/fd/" + std::to_string(memoryFile), FileDescriptor(memoryFile)};
  TempFile file = CreateTempFile(prefix);
  RemoveFile(file.path);
  file.path = "/proc/self/fd/" + std::to_string(file.fd.Get());
  return file;
}

}  // namespace kinshelf::platform
