// A command of the command line: its arguments declared as data, and what it does with them.
#pragma once

#include <cstddef>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ParsedArgs.h"

namespace kinshelf::cli {

struct OptionSpec {
  std::string_view name;       // the long name without its dashes
  std::string_view valueName;  // the name of its value in the help; empty for a switch
  std::string_view help;
};

struct CommandSpec {
  std::string_view name;
  std::string_view arguments;  // the positional arguments in the usage line, e.g. "[ROOT...]"
  std::string_view summary;    // one line for the list of commands
  std::string_view description;
  std::vector<OptionSpec> options;
  int minArguments = 0;
  int maxArguments = 0;  // -1: any number
  // Whether a positional argument may be empty. Most name files, folders or ids, and an empty one
  // (a script's unset variable) would be taken for the current folder.
  bool emptyArguments = false;
};

// The exit status of a command stopped by Ctrl-C after it kept its work, as shells report it.
inline constexpr int kInterruptedStatus = 130;

// Where a command writes: data to `out`, diagnostics and progress to `err`.
struct CommandIo {
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;
  std::size_t outColumns = 80;  // the width that help texts written to `out` fit in
};

// A mistake in how the command was called: reported with a hint to --help, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Command {
 public:
  virtual ~Command() = default;
  virtual const CommandSpec& Spec() const = 0;
  // Runs the command and returns its exit status. Throws UsageError for bad arguments and any
  // std::exception for a failure, whose message is shown.
  virtual int Run(const ParsedArgs& args, CommandIo& io) = 0;
};

}  // namespace kinshelf::cli
