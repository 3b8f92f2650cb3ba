// The --format option shared by every listing command.
#include "cli/OutputFormat.h"

namespace kinshelf::cli {

OutputFormat FormatOf(const ParsedArgs& args, bool csvAllowed) {
  const auto value = args.Value("format");
  if (!value || *value == "text") return OutputFormat::kText;
  if (*value == "json") return OutputFormat::kJson;
  if (*value == "csv" && csvAllowed) return OutputFormat::kCsv;
  throw UsageError("unknown format \"" + *value + "\" (use " +
                   (csvAllowed ? "text, csv or json" : "text or json") + ")");
}

}  // namespace kinshelf::cli
