// The catalog grid's column widths: each column as wide as its widest text over the whole listing (a
// bookmarked name in bold) plus padding, never narrower than its minimum. Measuring every text
// exactly takes seconds on a catalog of 100,000 files, so each text's width is estimated from its
// characters' advances and only the few widest by the estimate are measured exactly.
#pragma once

#include <QFont>
#include <array>

#include "app/CatalogModel.h"

namespace kinshelf {

class WFileStore;
class WOptions;
struct ListingFilter;

class CatalogColumnWidths {
 public:
  using Widths = std::array<int, CatalogModel::kColumnCount>;

  static constexpr Widths kMinimum = {100, 100, 80, 100, 50};
  static constexpr int kPadding = 14;

  // The widths for the rows the filter lists, in `font`, with the dates as the settings lay them
  // out.
  static Widths Measure(WFileStore& store, const ListingFilter& filter, const WOptions& options,
                        const QFont& font);
};

}  // namespace kinshelf
