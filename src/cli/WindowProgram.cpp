// Finding and running the desktop window's own program.
#include "cli/WindowProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "platform/Launcher.h"
#include "platform/Paths.h"

namespace kinshelf::cli {

std::string WindowProgramPath(std::string_view executable, std::string_view installedFolder) {
  const std::string_view folder = platform::FolderPart(executable);
  if (folder.empty()) return {};
  std::string beside = platform::JoinPath(folder, kWindowProgram);
  if (platform::IsExecutableFile(beside)) return beside;
  const std::string installed = installedFolder.starts_with('/')
                                    ? std::string(installedFolder)
                                    : platform::JoinPath(platform::FolderPart(folder), installedFolder);
  std::string path = platform::JoinPath(installed, kWindowProgram);
  return platform::IsExecutableFile(path) ? path : std::string();
}

int RunWindowProgram(char** argv) {
  const std::string program = WindowProgramPath(platform::ExecutablePath(), KINSHELF_WINDOW_FOLDER);
  if (program.empty()) {
    std::cerr << "kinshelf: the desktop window is not installed (no " << kWindowProgram
              << " beside kinshelf or in " << KINSHELF_WINDOW_FOLDER
              << "); 'kinshelf --help' lists the commands\n";
    return 1;
  }
  execv(program.c_str(), argv);
  std::cerr << "kinshelf: cannot start the desktop window " << program << ": " << std::strerror(errno)
            << '\n';
  return 1;
}

}  // namespace kinshelf::cli
