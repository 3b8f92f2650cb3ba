// Kinshelf's entry point: with no arguments the desktop window, with "view FILE" the window showing
// that file, otherwise the command named on the command line (which never constructs a window
// object).
#include <string_view>

#include "cli/CommandLine.h"
#include "platform/LargeBlocks.h"

#ifdef KINSHELF_GUI
#include "app/AppMain.h"
#endif

int main(int argc, char** argv) {
  kinshelf::platform::KeepHeapBlocksForReuse();
#ifdef KINSHELF_GUI
  if (argc == 1) return kinshelf::RunWindow(argc, argv, nullptr);
  // "view" without a file is the plain window: the desktop entry runs "kinshelf view %f".
  if (std::string_view(argv[1]) == "view" && (argc == 2 || (argc == 3 && argv[2][0] != '-')))
    return kinshelf::RunWindow(1, argv, argc == 3 ? argv[2] : nullptr);
#endif
  return kinshelf::cli::RunCommandLine(argc, argv);
}
