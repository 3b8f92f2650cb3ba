// Temporary files made with mkstemp, so that no other process can take the name in between.
#pragma once

#include <string>

#include "platform/FileDescriptor.h"

namespace kinshelf::platform {

struct TempFile {
  std::string path;
  FileDescriptor fd;  // open for reading and writing
};

// Creates a new empty file in the temporary folder whose name starts with the prefix.
// Throws std::runtime_error naming the folder when no file can be created.
TempFile CreateTempFile(const std::string& prefix);

}  // namespace kinshelf::platform
