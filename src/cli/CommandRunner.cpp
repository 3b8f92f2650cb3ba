// Runs one command line against the registry of commands.
#include "cli/CommandRunner.h"

#include <exception>

#include "cli/HelpText.h"
#include "cli/OutputFlush.h"
#include "cli/TerminalText.h"
#include "cli/commands/Commands.h"

namespace kinshelf::cli {

namespace {

constexpr const char* kProgram = "kinshelf";

const Command* FindCommand(const std::vector<std::unique_ptr<Command>>& commands, const std::string& name) {
  for (const auto& command : commands) {
    if (command->Spec().name == name) return command.get();
  }
  return nullptr;
}

// Output that did not reach its file (a full disk, a closed pipe) makes the command fail: a script
// must not take a cut-off listing for a whole one.
bool OutputWritten(CommandIo& io, const std::string& name) {
  const std::string failure = FlushFailure(io.out);
  if (failure.empty()) return true;
  io.err << kProgram << ' ' << name << ": " << failure << '\n';
  return false;
}

int RunOne(Command& command, const std::vector<std::string>& arguments, CommandIo& io) {
  const std::string name(command.Spec().name);
  try {
    const ParsedArgs args = ParsedArgs::Parse(command.Spec(), arguments);
    if (args.Help()) {
      WriteCommandHelp(io.out, command.Spec(), io.outColumns);
      return OutputWritten(io, name) ? 0 : 1;
    }
    const int status = command.Run(args, io);
    return OutputWritten(io, name) ? status : 1;
  } catch (const UsageError& error) {
    io.err << kProgram << ' ' << name << ": " << TerminalText(error.what()) << "\nTry '" << kProgram << ' '
           << name << " --help' for more information.\n";
    return 2;
  } catch (const std::exception& error) {
    // Messages name files, whose names may hold any byte: none may move the cursor or recolour
    // the terminal.
    io.err << kProgram << ' ' << name << ": " << TerminalText(error.what()) << '\n';
    return 1;
  }
}

}  // namespace

std::vector<std::unique_ptr<Command>> MakeCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(MakeSearchCommand());
  commands.push_back(MakeListCommand());
  commands.push_back(MakeCountsCommand());
  commands.push_back(MakeRefreshCommand());
  commands.push_back(MakeBookmarkCommand());
  commands.push_back(MakeExcludeCommand());
  commands.push_back(MakeExclusionsCommand());
  commands.push_back(MakeExportCommand());
  commands.push_back(MakeShowCommand());
  commands.push_back(MakePeopleCommand());
  commands.push_back(MakePersonCommand());
  commands.push_back(MakeFamilyCommand());
  commands.push_back(MakeSettingsCommand());
  commands.push_back(MakeOpenCommand());
  commands.push_back(MakeProgramsCommand());
  return commands;
}

int RunCommand(const std::vector<std::string>& arguments, CommandIo& io) {
  const auto commands = MakeCommands();
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    if (arguments.size() == 2) {
      if (const Command* command = FindCommand(commands, arguments[1])) {
        WriteCommandHelp(io.out, command->Spec(), io.outColumns);
        return 0;
      }
    }
    WriteProgramHelp(io.out, commands, io.outColumns);
    return 0;
  }
  if (arguments[0] == "--version") {
    io.out << kProgram << ' ' << KINSHELF_VERSION << '\n';
    return 0;
  }
  auto* command = const_cast<Command*>(FindCommand(commands, arguments[0]));
  if (command == nullptr) {
    io.err << kProgram << ": unknown command \"" << arguments[0] << "\"\nTry '" << kProgram
           << " --help' for the list of commands.\n";
    return 2;
  }
  return RunOne(*command, std::vector<std::string>(arguments.begin() + 1, arguments.end()), io);
}

}  // namespace kinshelf::cli
