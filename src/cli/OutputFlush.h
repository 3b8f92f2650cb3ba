// Sending a command's output on to its file, and telling when it did not get there.
#pragma once

#include <ostream>
#include <string>

namespace kinshelf::cli {

// Flushes `out`. Empty when everything written reached its file; else why not (a full disk, a
// closed pipe): "cannot write the output", with the system's reason when it gave one.
std::string FlushFailure(std::ostream& out);

}  // namespace kinshelf::cli
