// kinshelf refresh: re-examines the listed files; rows of files that are gone are removed.
#include "catalog/CatalogRefresh.h"
#include "catalog/CatalogSession.h"
#include "cli/Interruption.h"
#include "cli/JsonWriter.h"
#include "cli/ListingOptions.h"
#include "cli/OutputFormat.h"
#include "cli/ProgressLine.h"
#include "cli/commands/Commands.h"
#include "fileaccess/WIntArray.h"
#include "text/CountFormat.h"

namespace kinshelf::cli {

namespace {

void WriteResult(const CatalogRefresh::Result& result, OutputFormat format, std::ostream& out) {
  if (format == OutputFormat::kJson) {
    JsonWriter json(out);
    json.BeginObject().Key("checked").Number(result.checked).Key("updated").Number(result.updated);
    json.Key("removed").Number(result.removed).Key("cancelled").Bool(result.cancelled).EndObject();
    return;
  }
  out << "Checked: " << FormatCount(result.checked) << "\nUpdated: " << FormatCount(result.updated)
      << "\nRemoved: " << FormatCount(result.removed) << '\n';
  if (result.cancelled) out << "Cancelled: the files not checked yet keep their rows as they were.\n";
}

class RefreshCommand : public Command {
 public:
  RefreshCommand() {
    spec_.options = ListingOptions();
    spec_.options.push_back(kFormatOptionNoCsv);
  }

  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const ListingFilter filter = ListingFilterOf(args);
    const OutputFormat format = FormatOf(args, false);
    CatalogSession session;
    const auto ids = session.Store().List(filter);
    CatalogRefresh refresh(session.Store(), *ids);
    Interruption interruption;
    CatalogRefresh::Result result;
    {
      ProgressLine progress(
          io,
          [&] {
            if (interruption.Requested()) refresh.Cancel();
          },
          [&] {
            return "Checked " + FormatCount(refresh.Done()) + " of " + FormatCount(refresh.Total()) +
                   " files";
          });
      result = refresh.Run();
    }
    WriteResult(result, format, io.out);
    return result.cancelled ? kInterruptedStatus : 0;
  }

 private:
  CommandSpec spec_{
      "refresh",
      "",
      "re-examine the listed files and drop the rows of files that are gone",
      "Re-examines every file of the listing the filters select (all files by default): files that "
      "still exist get their dates and size from the disk, rows of files that are gone are removed. "
      "A file that cannot be looked at, or whose drive may only be unmounted (its folder is missing "
      "from an empty folder, or from /mnt, /media or /run/media), keeps its row. Ctrl-C stops it; the "
      "work done until then is kept.",
      {},
      0,
      0};
};

}  // namespace

std::unique_ptr<Command> MakeRefreshCommand() {
  return std::make_unique<RefreshCommand>();
}

}  // namespace kinshelf::cli
