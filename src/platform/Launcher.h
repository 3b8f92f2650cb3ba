// Starting other programs, detached from this one, and finding programs on the search path.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kinshelf::platform {

// Starts argv[0] with the arguments argv, each handed over exactly as given: no shell ever sees
// them. argv[0] is looked up in $PATH unless it holds a "/". The program runs in a session of its
// own with standard input, output and error on /dev/null, and is not this process's child, so
// nothing is left to reap. Returns once the program has been executed, or false with errno set
// when it cannot be: not found (ENOENT), not executable (EACCES, ENOEXEC), no process (EAGAIN), an
// empty argv (EINVAL). Safe to call from any thread.
bool StartDetached(const std::vector<std::string>& argv);

// True when `path` names a regular file this process may execute.
bool IsExecutableFile(const std::string& path);

// The path of the executable file `name` in the first folder of `searchPath` (folders separated by
// ":", empty ones skipped) that holds one; empty when none does.
std::string FindInSearchPath(std::string_view name, std::string_view searchPath);

// This program's executable file (from /proc/self/exe); empty when it cannot be read.
std::string ExecutablePath();

}  // namespace kinshelf::platform
