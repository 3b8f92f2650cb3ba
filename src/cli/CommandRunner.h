// Runs one command line against the registry of commands, writing to the streams it is given,
// so that tests can run commands in-process.
#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"

namespace kinshelf::cli {

// Runs `kinshelf ARGUMENTS...` (the program name not included) and returns the exit status:
// 0 success, 1 failure, 2 usage error. Help goes to io.out with status 0, fitted to io.outColumns.
int RunCommand(const std::vector<std::string>& arguments, CommandIo& io);

}  // namespace kinshelf::cli
