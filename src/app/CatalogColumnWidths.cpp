// The catalog grid's column widths.
#include "app/CatalogColumnWidths.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/CatalogCellTexts.h"
#include "app/TextAdvanceEstimate.h"
#include "catalog/store/WFileStore.h"

namespace kinshelf {

namespace {

// Enough that kerning and shaping, which the estimate leaves out, cannot hide the widest text.
constexpr std::size_t kCandidates = 8;

// The texts of one column with the widest estimates so far.
class WidestTexts {
 public:
  // Keeps the text made by `make` when its estimate ranks among the widest; `make` runs only then.
  template <typename Make>
  void Offer(double estimate, bool bold, Make&& make) {
    if (texts_.size() == kCandidates) {
      const auto narrowest = std::min_element(texts_.begin(), texts_.end(), ByEstimate);
      if (narrowest->estimate >= estimate) return;
      *narrowest = {estimate, bold, make()};
    } else {
      texts_.push_back({estimate, bold, make()});
    }
  }

  int Widest(const TextAdvanceEstimate& plain, const TextAdvanceEstimate& bold) const {
    int widest = 0;
    for (const Text& text : texts_) widest = std::max(widest, (text.bold ? bold : plain).Exact(text.text));
    return widest;
  }

 private:
  struct Text {
    double estimate;
    bool bold;
    std::string text;
  };
  static bool ByEstimate(const Text& a, const Text& b) { return a.estimate < b.estimate; }

  std::vector<Text> texts_;
};

}  // namespace

CatalogColumnWidths::Widths CatalogColumnWidths::Measure(WFileStore& store, const ListingFilter& filter,
                                                         const WOptions& options, const QFont& font) {
  QFont heavy = font;
  heavy.setBold(true);
  TextAdvanceEstimate plain(font);
  TextAdvanceEstimate bold(heavy);
  const CatalogCellTexts texts(options);
  std::array<WidestTexts, CatalogModel::kColumnCount> widest;
  std::array<bool, 16> kindSeen{};
  store.ForEachListed(filter, [&](const ListedRow& row) {
    TextAdvanceEstimate& name = row.bookmark ? bold : plain;
    widest[CatalogModel::kName].Offer(name.Estimate(row.name), row.bookmark,
                                      [&] { return std::string(row.name); });
    const auto kind = static_cast<std::size_t>(row.kind);
    if (kind < kindSeen.size() && !kindSeen[kind]) {
      kindSeen[kind] = true;
      const std::string type = texts.Type(row);
      widest[CatalogModel::kType].Offer(plain.Estimate(type), false, [&] { return type; });
    }
    const std::string size = texts.Size(row);
    widest[CatalogModel::kSize].Offer(plain.Estimate(size), false, [&] { return size; });
    const std::string modified = texts.Modified(row);
    widest[CatalogModel::kModified].Offer(plain.Estimate(modified), false, [&] { return modified; });
    widest[CatalogModel::kFullPath].Offer(plain.Estimate(row.drive) + plain.Estimate(row.path), false,
                                          [&] { return CatalogCellTexts::FullPath(row); });
  });
  Widths widths = kMinimum;
  for (std::size_t column = 0; column < widths.size(); ++column)
    widths[column] = std::max(widths[column], widest[column].Widest(plain, bold) + kPadding);
  return widths;
}

}  // namespace kinshelf
