// The command-line face: picks the command named by the first argument and runs it.
#include "cli/CommandLine.h"

#include <iostream>

namespace kinshelf::cli {

int RunCommandLine(int, char**) {
  std::cout << "Usage: kinshelf COMMAND [OPTIONS]\n";
  return 0;
}

}  // namespace kinshelf::cli
