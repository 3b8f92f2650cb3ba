// The arguments of one command after GNU-style parsing against its declared options.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kinshelf::cli {

struct CommandSpec;

class ParsedArgs {
 public:
  // Parses "--name", "--name VALUE", "--name=VALUE", "--" and positional arguments. "--help" and
  // "-h" set Help(). Throws UsageError for unknown options, missing values and a wrong number of
  // positional arguments (the last only when help was not asked for).
  static ParsedArgs Parse(const CommandSpec& declared, const std::vector<std::string>& arguments);

  bool Help() const { return help_; }
  // A switch or an option was given.
  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  // The last value given for an option.
  std::optional<std::string> Value(const std::string& name) const;
  const std::vector<std::string>& Positional() const { return positional_; }

 private:
  bool help_ = false;
  std::map<std::string, std::string> values_;
  std::vector<std::string> positional_;
};

}  // namespace kinshelf::cli
