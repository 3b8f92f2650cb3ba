// The texts of the catalog grid's cells.
#include "app/CatalogCellTexts.h"

#include "catalog/store/WFileStoreFile.h"
#include "settings/WOptions.h"
#include "text/CatalogDateFormat.h"
#include "text/CountFormat.h"

namespace kinshelf {

CatalogCellTexts::CatalogCellTexts(const WOptions& options)
    : dateFormat_(options.GetInt(opt::DateOpt)),
      dateSeparator_(options.GetInt(opt::DateSep)),
      timeMode_(options.GetInt(opt::DateTimeOpt)) {}

ListedRow CatalogCellTexts::RowOf(const WFileStoreFile& file) {
  return {file.Name(), file.Drive(), file.Path(), file.Kind(), file.Size(), file.Modified(), file.Bookmark()};
}

std::string CatalogCellTexts::Type(const ListedRow& row) const {
  return std::string(WFileStoreFile::KindDisplayName(row.kind));
}

std::string CatalogCellTexts::Size(const ListedRow& row) const {
  return FormatCount(row.size);
}

std::string CatalogCellTexts::Modified(const ListedRow& row) const {
  return FormatCatalogDate(dateFormat_, dateSeparator_, timeMode_, row.modified);
}

std::string CatalogCellTexts::FullPath(const ListedRow& row) {
  std::string path;
  path.reserve(row.drive.size() + row.path.size());
  return path.append(row.drive).append(row.path);
}

}  // namespace kinshelf
