// The help texts of the program and of each command, wrapped to the width of the output.
#include "cli/HelpText.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cli/WrappedText.h"

namespace kinshelf::cli {

namespace {

constexpr std::string_view kProgram = "kinshelf";
constexpr std::size_t kMargin = 2;  // blanks before a name and between a name and its text

// One entry of a two-column list: the name padded to `nameWidth`, then the text wrapped under its
// own column.
void WriteEntry(std::ostream& out, std::string_view name, std::string_view text, std::size_t nameWidth,
                std::size_t width) {
  const std::size_t column = kMargin + nameWidth + kMargin;
  out << std::string(kMargin, ' ') << name << std::string(column - kMargin - name.size(), ' ')
      << WrappedText(text, width, column) << '\n';
}

std::string OptionName(const OptionSpec& option) {
  std::string name = "    --";
  name += option.name;
  if (!option.valueName.empty()) name.append(" ").append(option.valueName);
  return name;
}

}  // namespace

void WriteProgramHelp(std::ostream& out, std::span<const std::unique_ptr<Command>> commands,
                      std::size_t width) {
  out << WrappedText(std::string("Usage: ").append(kProgram).append(" COMMAND [OPTIONS] [ARGUMENTS]"), width,
                     4)
      << "\n\n"
      << WrappedText("Kinshelf keeps a catalog of the genealogy files on this computer.", width, 0)
      << "\n\nCommands:\n";
  std::size_t nameWidth = 0;
  for (const auto& command : commands) nameWidth = std::max(nameWidth, command->Spec().name.size());
  for (const auto& command : commands)
    WriteEntry(out, command->Spec().name, command->Spec().summary, nameWidth, width);
  out << '\n'
      << WrappedText(
             std::string("Run '").append(kProgram).append(" COMMAND --help' for the options of a command."),
             width, 0)
      << '\n'
      << WrappedText(std::string("Run '")
                         .append(kProgram)
                         .append("' without a command to open the window, or '")
                         .append(kProgram)
                         .append(" view FILE' to open a GEDCOM or PAF file in it."),
                     width, 0)
      << '\n';
}

void WriteCommandHelp(std::ostream& out, const CommandSpec& declared, std::size_t width) {
  std::string usage = std::string("Usage: ").append(kProgram).append(" ").append(declared.name);
  if (!declared.options.empty()) usage += " [OPTIONS]";
  if (!declared.arguments.empty()) usage.append(" ").append(declared.arguments);
  out << WrappedText(usage, width, 4) << "\n\n"
      << WrappedText(declared.description, width, 0) << "\n\nOptions:\n";
  constexpr std::string_view kHelpName = "-h, --help";
  std::size_t nameWidth = kHelpName.size();
  for (const auto& option : declared.options) nameWidth = std::max(nameWidth, OptionName(option).size());
  for (const auto& option : declared.options)
    WriteEntry(out, OptionName(option), option.help, nameWidth, width);
  WriteEntry(out, kHelpName, "show this help", nameWidth, width);
}

}  // namespace kinshelf::cli
