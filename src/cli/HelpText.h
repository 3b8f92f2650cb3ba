// The help texts: the program's list of commands and each command's usage, description and options,
// wrapped to the width of the output.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <span>

#include "cli/Command.h"

namespace kinshelf::cli {

// The usage line, every command with its summary, and a pointer to the commands' own help. Lines
// fit in `width` columns unless a single word is longer; summaries wrap under their column.
void WriteProgramHelp(std::ostream& out, std::span<const std::unique_ptr<Command>> commands,
                      std::size_t width);

// The command's usage line, its description and its options, --help included, fitted as above;
// option descriptions wrap under their column.
void WriteCommandHelp(std::ostream& out, const CommandSpec& declared, std::size_t width);

}  // namespace kinshelf::cli
