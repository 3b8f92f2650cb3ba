// The desktop window's own program, which `kinshelf` runs for the window. Keeping the window apart
// lets every command start without loading Qt and the libraries beneath it.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf::cli {

// The window program's file name.
inline constexpr std::string_view kWindowProgram = "kinshelf-window";

// Where the window program is for the executable at `executable`: beside it (a build folder), or in
// `installedFolder` (relative to the executable's parent folder unless absolute), as installing
// lays it out. Empty when neither holds one that can be run.
std::string WindowProgramPath(std::string_view executable, std::string_view installedFolder);

// Replaces this process by the window program, handing it argv as it is. Returns only when that
// cannot be done: 1, after saying why on standard error.
int RunWindowProgram(char** argv);

}  // namespace kinshelf::cli
