// The commands of the command line, one factory each; the dispatcher lists them in this order.
#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"

namespace kinshelf::cli {

std::unique_ptr<Command> MakeSearchCommand();
std::unique_ptr<Command> MakeListCommand();
std::unique_ptr<Command> MakeCountsCommand();
std::unique_ptr<Command> MakeRefreshCommand();
std::unique_ptr<Command> MakeBookmarkCommand();
std::unique_ptr<Command> MakeExcludeCommand();
std::unique_ptr<Command> MakeExclusionsCommand();
std::unique_ptr<Command> MakeExportCommand();
std::unique_ptr<Command> MakeShowCommand();
std::unique_ptr<Command> MakePeopleCommand();
std::unique_ptr<Command> MakePersonCommand();
std::unique_ptr<Command> MakeFamilyCommand();
std::unique_ptr<Command> MakeSettingsCommand();
std::unique_ptr<Command> MakeOpenCommand();
std::unique_ptr<Command> MakeProgramsCommand();

// Every command, in the order the help lists them.
std::vector<std::unique_ptr<Command>> MakeCommands();

}  // namespace kinshelf::cli
