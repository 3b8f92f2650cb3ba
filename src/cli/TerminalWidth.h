// How many columns the text written to a file descriptor has to fit in.
#pragma once

#include <cstddef>

namespace kinshelf::cli {

// The columns of the terminal on `fd`: its window size, else $COLUMNS, else 80.
std::size_t TerminalColumns(int fd);

// The columns to fit text written to `fd` in: TerminalColumns(fd) on a terminal, 80 for a file or a
// pipe, so that what a script keeps does not depend on the window it ran in.
std::size_t OutputColumns(int fd);

}  // namespace kinshelf::cli
