// An individual of a PAF 5 file.
#include "paf/WPAF5Individual.h"

#include <algorithm>
#include <vector>

#include "paf/Paf5Format.h"
#include "paf/WPAF5Name.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

namespace {

// Text records an individual's chain is followed through at most; a damaged chain ends here.
constexpr std::size_t kMaxTextRecords = 1000;
constexpr std::size_t kMaxTextWidth = 256;

}  // namespace

std::string WPAF5Individual::GetRefNumber() {
  return TextOfKind(paf::kRefNumberText);
}

std::string WPAF5Individual::GetAFN() {
  return TextOfKind(paf::kAfnText);
}

std::unique_ptr<WABSName> WPAF5Individual::GetName() {
  return std::make_unique<WPAF5Name>(PafCollection(), Record().Int32(0));
}

std::optional<NamePartViews> WPAF5Individual::NameViews() const {
  return WPAF5Name::PartViews(PafCollection(), Record().Int32(0));
}

std::int32_t WPAF5Individual::FirstOtherEvent() const {
  return Record().Int32(PafCollection().Fields().individual.firstOtherEvent);
}

std::string WPAF5Individual::TextOfKind(int kind) const {
  std::vector<std::int32_t> met;
  for (std::int32_t offset = Record().Int32(0); PafRecord::IsLink(offset) && met.size() < kMaxTextRecords;) {
    if (std::find(met.begin(), met.end(), offset) != met.end()) break;
    met.push_back(offset);
    const PafRecord text = PafCollection().RecordAt(offset, paf::kIndividualTextStart + kMaxTextWidth);
    if (!text.Exists()) break;
    if (text.Byte(paf::kIndividualTextKind) == kind)
      return text.Text({paf::kIndividualTextStart, kMaxTextWidth});
    offset = text.Int32(0);
  }
  return {};
}

}  // namespace kinshelf
