// The arguments of one command after GNU-style parsing against its declared options.
#include "cli/ParsedArgs.h"

#include "cli/Command.h"

namespace kinshelf::cli {

namespace {

const OptionSpec* FindOption(const CommandSpec& declared, std::string_view name) {
  for (const auto& option : declared.options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// A negative number is a value ("settings FNValue -5"), never an option: no option is a digit.
bool IsNegativeNumber(const std::string& argument) {
  return argument.size() >= 2 && argument[0] == '-' && argument[1] >= '0' && argument[1] <= '9';
}

}  // namespace

ParsedArgs ParsedArgs::Parse(const CommandSpec& declared, const std::vector<std::string>& arguments) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-' || IsNegativeNumber(argument)) {
      parsed.positional_.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      parsed.help_ = true;
    } else if (argument.rfind("--", 0) != 0) {
      throw UsageError("unknown option " + argument);
    } else {
      const auto equals = argument.find('=');
      const std::string name =
          argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
      const OptionSpec* option = FindOption(declared, name);
      if (option == nullptr) throw UsageError("unknown option --" + name);
      if (option->valueName.empty()) {
        if (equals != std::string::npos) throw UsageError("option --" + name + " takes no value");
        parsed.values_[name];
      } else if (equals != std::string::npos) {
        parsed.values_[name] = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        parsed.values_[name] = arguments[++i];
      } else {
        throw UsageError("option --" + name + " needs a value (" + std::string(option->valueName) + ")");
      }
    }
  }
  if (parsed.help_) return parsed;
  if (!declared.emptyArguments) {
    for (const std::string& argument : parsed.positional_) {
      if (argument.empty()) throw UsageError("an empty argument names no file, folder or id");
    }
  }
  const auto count = static_cast<int>(parsed.positional_.size());
  if (count < declared.minArguments) throw UsageError("missing argument " + std::string(declared.arguments));
  if (declared.maxArguments >= 0 && count > declared.maxArguments) {
    throw UsageError("unexpected argument " +
                     parsed.positional_[static_cast<std::size_t>(declared.maxArguments)]);
  }
  return parsed;
}

std::optional<std::string> ParsedArgs::Value(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace kinshelf::cli
