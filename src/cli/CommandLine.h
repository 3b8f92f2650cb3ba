// The command-line face: picks the command named by the first argument and runs it.
#pragma once

namespace kinshelf::cli {

// Runs `kinshelf COMMAND ...` and returns the exit status (0 success, 1 failure, 2 usage error).
int RunCommandLine(int argc, char** argv);

}  // namespace kinshelf::cli
