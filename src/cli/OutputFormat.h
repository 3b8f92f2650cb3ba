// The --format option shared by every listing command.
#pragma once

#include <string_view>

#include "cli/Command.h"

namespace kinshelf::cli {

enum class OutputFormat { kText, kCsv, kJson };

// The option's declaration, for a command's option list.
inline constexpr OptionSpec kFormatOption{"format", "text|csv|json", "output format (default: text)"};
// The option's declaration for commands that have no CSV form.
inline constexpr OptionSpec kFormatOptionNoCsv{"format", "text|json", "output format (default: text)"};

// The format asked for; text when none. Throws UsageError for another value, or for csv when
// `csvAllowed` is false.
OutputFormat FormatOf(const ParsedArgs& args, bool csvAllowed = true);

}  // namespace kinshelf::cli
