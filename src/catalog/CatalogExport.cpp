// The listing as comma-separated text.
#include "catalog/CatalogExport.h"

#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"
#include "fileaccess/WVersionMMF.h"
#include "platform/FileIo.h"
#include "platform/ProcessEvents.h"
#include "settings/WOptions.h"
#include "text/CatalogDateFormat.h"
#include "text/CsvField.h"

namespace kinshelf {

namespace {

constexpr std::int64_t kBufferStep = 0x4000;
constexpr std::int32_t kEventInterval = 500;

void AppendLine(WVersionMMF& buffer, const WFileStoreFile& record, const WOptions& options) {
  const std::string date = FormatCatalogDate(options.GetInt(opt::DateOpt), options.GetInt(opt::DateSep),
                                             options.GetInt(opt::DateTimeOpt), record.Modified());
  buffer.AppendString(CsvField(record.Name()) + ",");
  buffer.AppendString(CsvField(WFileStoreFile::KindDisplayName(record.Kind())) + ",");
  buffer.AppendString(std::to_string(record.Size()) + ",");
  buffer.AppendString(CsvField(date) + ",");
  buffer.AppendString(CsvField(record.Drive() + record.Path()) + "\r\n");
}

}  // namespace

std::string CatalogCsvText(WFileStore& store, const WIntArray& ids, const WOptions& options) {
  WVersionMMF buffer(std::string(), kBufferStep, kBufferStep);
  buffer.AppendString("Name,File Type,Size,Modified Date,Full Path\r\n");
  for (std::int32_t i = 1; i <= ids.Count(); ++i) {
    AppendLine(buffer, *store.GetFile(ids.GetValue(i)), options);
    if (i % kEventInterval == 0) platform::ProcessPendingEvents();
  }
  const auto* text = reinterpret_cast<const char*>(buffer.PointerAt(WVersionMMF::DataStart()));
  return std::string(text, static_cast<std::size_t>(buffer.UsedLength() - WVersionMMF::DataStart()));
}

void ExportCatalogCsv(const std::string& fileName, WFileStore& store, const WIntArray& ids,
                      const WOptions& options) {
  platform::ReplaceFileAtomically(fileName, CatalogCsvText(store, ids, options));
}

}  // namespace kinshelf
