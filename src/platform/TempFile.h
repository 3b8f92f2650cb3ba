// Temporary files made with mkstemp, so that no other process can take the name in between, and
// scratch files that have no name at all.
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

// Creates an empty file that lives in memory (swapped like any other memory) and goes with its
// last descriptor, so a killed process leaves nothing behind. Its path, "/proc/self/fd/N", names
// it for this process only. Where the system has no memory files, the file is made in the
// temporary folder like CreateTempFile and unlinked at once. Throws like CreateTempFile.
TempFile CreateScratchFile(const std::string& prefix);

}  // namespace kinshelf::platform
