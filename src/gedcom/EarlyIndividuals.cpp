// The early walk of a GEDCOM file's individuals.
#include "gedcom/EarlyIndividuals.h"

#include <algorithm>

#include "gedcom/GedcomPasses.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDIndIndex.h"
#include "gedcom/WGEDIndividual.h"
#include "model/CancelFlag.h"

namespace kinshelf {

EarlyIndividuals::EarlyIndividuals(const GedcomRecordContext& context, const EarlyVisit& visit)
    : context_(context), visit_(visit) {
  if (visit_) thread_ = std::thread([this] { Walk(); });
}

EarlyIndividuals::~EarlyIndividuals() {
  Stop();
}

void EarlyIndividuals::Stop() {
  stop_.store(true, std::memory_order_relaxed);
  if (thread_.joinable()) thread_.join();
}

// A failure here (a file cut short under the mapping, say) is the load's to report: the walk only
// stops, and its work is not used.
void EarlyIndividuals::Walk() {
  try {
    const WGEDTextMMF& text = context_.Text();
    WGEDIndividual person(context_, 0);
    gedcom::ForEachIndividualRecord(
        text,
        [&](const char* record) {
          offsets_.push_back(record - text.TextStart());
          person.PointAtRecord(static_cast<std::int32_t>(offsets_.size()), record);
          return visit_(person);
        },
        [this] { return !stop_.load(std::memory_order_relaxed) && !CancelRequested(); });
  } catch (...) {
    failed_ = true;
  }
}

std::int32_t EarlyIndividuals::Finish(const WGEDIndIndex& individuals) {
  Stop();
  if (failed_) return 0;
  const auto checked = std::min(offsets_.size(), static_cast<std::size_t>(individuals.Count()));
  std::size_t same = 0;
  while (same < checked && individuals.GetOffset(static_cast<std::int32_t>(same) + 1) == offsets_[same])
    ++same;
  return static_cast<std::int32_t>(same);
}

}  // namespace kinshelf
