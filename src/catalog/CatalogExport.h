// The listing as comma-separated text: a header line, then one line per listed file with its name,
// kind, size, last-modified date and folder.
#pragma once

#include <string>

namespace kinshelf {

class WFileStore;
class WIntArray;
class WOptions;

// The text of the listing, in the list's order, dates formatted by the date settings. Fields that
// hold a comma, a quote or a line break are quoted, so each line keeps its five fields.
std::string CatalogCsvText(WFileStore& store, const WIntArray& ids, const WOptions& options);

// Writes the text to the file, replacing it: never a genealogy file, or one of Kinshelf's own (the
// catalog, the settings, the exclusion list). Throws std::runtime_error naming the file.
void ExportCatalogCsv(const std::string& fileName, WFileStore& store, const WIntArray& ids,
                      const WOptions& options);

}  // namespace kinshelf
