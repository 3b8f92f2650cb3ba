// Kinshelf's entry point: with no arguments the desktop window, with "view FILE" the window showing
// that file, otherwise the command named on the command line. The window is a program of its own
// (kinshelf-window), so that a command never loads Qt.
#include <string_view>

#include "cli/CommandLine.h"
#include "platform/LargeBlocks.h"

#ifdef KINSHELF_GUI
#include "cli/WindowProgram.h"
#endif

int main(int argc, char** argv) {
  kinshelf::platform::KeepHeapBlocksForReuse();
#ifdef KINSHELF_GUI
  if (argc == 1) return kinshelf::cli::RunWindowProgram(argv);
  // "view" without a file is the plain window: the desktop entry runs "kinshelf view %f".
  if (std::string_view(argv[1]) == "view" && (argc == 2 || (argc == 3 && argv[2][0] != '-')))
    return kinshelf::cli::RunWindowProgram(argv);
#endif
  return kinshelf::cli::RunCommandLine(argc, argv);
}
