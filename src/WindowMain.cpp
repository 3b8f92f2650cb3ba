// The desktop window's program. `kinshelf` runs it for `kinshelf` alone and for `kinshelf view
// [FILE]`, with the arguments it was given.
#include <iostream>
#include <string_view>

#include "app/AppMain.h"
#include "platform/LargeBlocks.h"

int main(int argc, char** argv) {
  kinshelf::platform::KeepHeapBlocksForReuse();
  if (argc == 1) return kinshelf::RunWindow(argc, argv, nullptr);
  if (std::string_view(argv[1]) == "view" && argc <= 3)
    return kinshelf::RunWindow(1, argv, argc == 3 ? argv[2] : nullptr);
  std::cerr << "kinshelf-window: opens the window of 'kinshelf' or 'kinshelf view FILE'; 'kinshelf --help' "
               "lists the commands\n";
  return 2;
}
