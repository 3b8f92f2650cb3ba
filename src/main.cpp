// Kinshelf's entry point: with no arguments the desktop window, otherwise the command named on the
// command line (which never constructs a window object).
#include "cli/CommandLine.h"

#ifdef KINSHELF_GUI
#include "app/AppMain.h"
#endif

int main(int argc, char** argv) {
#ifdef KINSHELF_GUI
  if (argc == 1) return kinshelf::RunWindow(argc, argv);
#endif
  return kinshelf::cli::RunCommandLine(argc, argv);
}
