// The command-line face: picks the command named by the first argument and runs it.
#include "cli/CommandLine.h"

#include <unistd.h>

#include <iostream>

#include "cli/CommandRunner.h"
#include "cli/TerminalWidth.h"

namespace kinshelf::cli {

int RunCommandLine(int argc, char** argv) {
  // Nothing here writes through C stdio, so the streams may keep buffers of their own: a listing of a
  // million lines would otherwise pay a C call for every piece it writes.
  std::ios::sync_with_stdio(false);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  CommandIo io{std::cout, std::cerr, isatty(STDERR_FILENO) == 1, OutputColumns(STDOUT_FILENO)};
  return RunCommand(arguments, io);
}

}  // namespace kinshelf::cli
