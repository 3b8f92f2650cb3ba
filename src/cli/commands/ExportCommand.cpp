// kinshelf export: writes the listing as comma-separated text to a file.
#include <stdexcept>

#include "catalog/CatalogExport.h"
#include "catalog/CatalogSession.h"
#include "cli/ListingOptions.h"
#include "cli/OutputFlush.h"
#include "cli/TerminalText.h"
#include "cli/commands/Commands.h"
#include "fileaccess/WIntArray.h"
#include "text/CountFormat.h"

namespace kinshelf::cli {

namespace {

class ExportCommand : public Command {
 public:
  ExportCommand() { spec_.options = ListingOptions(); }

  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const ListingFilter filter = ListingFilterOf(args);
    CatalogSession session;
    const auto ids = session.Store().List(filter);
    const std::string& file = args.Positional()[0];
    const std::string count = FormatCount(ids->Count()) + (ids->Count() == 1 ? " file" : " files");
    if (file == "-") {
      io.out << CatalogCsvText(session.Store(), *ids, session.Options());
      // Said only once the text is out.
      if (const std::string failure = FlushFailure(io.out); !failure.empty())
        throw std::runtime_error(failure);
      io.err << "Exported " << count << '\n';
      return 0;
    }
    ExportCatalogCsv(file, session.Store(), *ids, session.Options());
    io.out << "Exported " << count << " to " << TerminalText(file) << '\n';
    return 0;
  }

 private:
  CommandSpec spec_{
      "export",
      "FILE",
      "write the listing as comma-separated text",
      "Writes the files of the listing the filters select (all files by default), in its order, to "
      "FILE as comma-separated text: name, file type, size, modified date and folder. FILE - is the "
      "standard output. A terminal, a pipe or a device is written in place; a file is replaced whole, "
      "keeping its mode and owner.",
      {},
      1,
      1};
};

}  // namespace

std::unique_ptr<Command> MakeExportCommand() {
  return std::make_unique<ExportCommand>();
}

}  // namespace kinshelf::cli
