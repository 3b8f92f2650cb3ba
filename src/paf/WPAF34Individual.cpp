// An individual of a PAF 3 or PAF 4 file.
#include "paf/WPAF34Individual.h"

#include "paf/Paf34Format.h"
#include "paf/WPAF34Name.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

std::string WPAF34Individual::GetRefNumber() {
  return Record().Text(paf::kRefNumber);
}

std::string WPAF34Individual::GetAFN() {
  return Record().Text(paf::kAfn);
}

std::unique_ptr<WABSName> WPAF34Individual::GetName() {
  return std::make_unique<WPAF34Name>(PafCollection(), Record(), Extension());
}

std::int32_t WPAF34Individual::FirstOtherEvent() const {
  return Extension().Int32(PafCollection().Fields().extension.firstOtherEvent);
}

PafRecord WPAF34Individual::Extension() const {
  return PafCollection().Record(paf::kIndividualExtensionType, Rin());
}

}  // namespace kinshelf
