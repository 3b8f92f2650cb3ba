// The listing as comma-separated text.
#include "catalog/CatalogExport.h"

#include <stdexcept>

#include "catalog/FileKindRecognition.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"
#include "fileaccess/WVersionMMF.h"
#include "platform/FileInfo.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
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

// The listing never takes the place of what it lists or of what Kinshelf keeps: a name given by
// mistake would otherwise replace a family file, or the catalog itself, with a few lines of text.
void RequireExportTarget(const std::string& fileName, const WFileStore& store, const WOptions& options) {
  const std::string full = platform::ExpandPath(fileName);
  const std::string catalog = store.FileName();
  for (const std::string& own :
       {catalog, catalog + "-wal", catalog + "-shm", options.Path(), WFileExcludeList::DefaultFileName()}) {
    if (platform::SameFile(full, own))
      throw std::runtime_error(fileName + " is one of Kinshelf's own files; it was left unchanged");
  }
  if (platform::FileExists(full) &&
      RecogniseKind(platform::FileNamePart(full), full, KindSet::All()) != FileKind::kUnknown)
    throw std::runtime_error(fileName + " is a genealogy file; it was left unchanged");
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
  RequireExportTarget(fileName, store, options);
  platform::ReplaceFileAtomically(fileName, CatalogCsvText(store, ids, options));
}

}  // namespace kinshelf
