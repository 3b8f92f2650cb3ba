// A dated event: its dates, built once, and its texts.
#include "model/WABSEvent.h"

#include "model/ItemTexts.h"
#include "model/WABSCitation.h"
#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "model/dates/WDate.h"

namespace kinshelf {

WABSEvent::WABSEvent(EventKind kind) : kind_(kind) {}

WABSEvent::~WABSEvent() = default;

void WABSEvent::LoadSortDate() {
  Date();
  dates_.ShareDisplayAsSort();
}

std::string WABSEvent::GetDescription() {
  return description_;
}

std::int32_t WABSEvent::CitationCount() {
  return citationCount_;
}

const WDate* WABSEvent::Date() {
  if (!dates_.DisplayLoaded()) {
    dates_.MarkDisplayLoaded();
    LoadDate();
  }
  return dates_.Display();
}

const WDate* WABSEvent::SortDate() {
  if (!dates_.SortLoaded()) {
    dates_.MarkSortLoaded();
    LoadSortDate();
  }
  return dates_.Sort();
}

std::string WABSEvent::DateText() {
  return DateTextOf(Date());
}

std::string WABSEvent::SortDateText() {
  return DateTextOf(SortDate());
}

std::string WABSEvent::PlaceText(const WOptions& options) {
  const std::unique_ptr<WABSPlace> place = GetPlace();
  return place == nullptr ? std::string() : place->PlaceDisplayText(options);
}

std::string WABSEvent::CitationsText() {
  return CitationListText(CitationCount(), [this](std::int32_t n) { return GetCitation(n); });
}

std::string WABSEvent::NoteText() {
  return NoteTextOf(GetNote().get());
}

void WABSEvent::SetDate(std::unique_ptr<WDate> date) {
  dates_.SetDisplay(std::move(date));
}

void WABSEvent::SetSortDate(std::unique_ptr<WDate> date) {
  dates_.SetSort(std::move(date));
}

}  // namespace kinshelf
