// Sending a command's output on to its file.
#include "cli/OutputFlush.h"

#include <cerrno>
#include <cstring>

namespace kinshelf::cli {

std::string FlushFailure(std::ostream& out) {
  errno = 0;
  out.flush();
  if (out) return {};
  const int reason = errno;
  return std::string("cannot write the output") +
         (reason != 0 ? std::string(": ") + std::strerror(reason) : "");
}

}  // namespace kinshelf::cli
