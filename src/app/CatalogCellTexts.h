// The texts of the catalog grid's cells, made the same way for the row being painted and for the
// whole listing when the columns are measured. The date layout comes from the settings at
// construction.
#pragma once

#include <string>

#include "catalog/store/ListedRow.h"

namespace kinshelf {

class WFileStoreFile;
class WOptions;

class CatalogCellTexts {
 public:
  explicit CatalogCellTexts(const WOptions& options);

  // The row of a loaded record; its texts are views into the record.
  static ListedRow RowOf(const WFileStoreFile& file);

  std::string Type(const ListedRow& row) const;
  std::string Size(const ListedRow& row) const;
  std::string Modified(const ListedRow& row) const;
  static std::string FullPath(const ListedRow& row);

 private:
  int dateFormat_;
  int dateSeparator_;
  int timeMode_;
};

}  // namespace kinshelf
