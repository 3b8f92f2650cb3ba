// The desktop window's entry point.
#pragma once

namespace kinshelf {

// Opens the main window over the user's catalog and runs it until it closes; the exit status. With a
// file, the window opens on that file's details. Without a display to open it on, says so in one
// line on standard error and returns 1.
int RunWindow(int argc, char** argv, const char* file);

}  // namespace kinshelf
