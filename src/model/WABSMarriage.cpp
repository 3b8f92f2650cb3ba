// One family: its dates, built once, and its texts.
#include "model/WABSMarriage.h"

#include "model/ItemTexts.h"
#include "model/WABSCitation.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSNote.h"
#include "model/dates/WDate.h"

namespace kinshelf {

WABSMarriage::WABSMarriage(WABSCollection& collection, std::int32_t index)
    : WABSCollectionItem(collection, index), eventName_("Marriage") {}

WABSMarriage::~WABSMarriage() = default;

void WABSMarriage::LoadSortDate() {
  Date();
  dates_.ShareDisplayAsSort();
}

std::int32_t WABSMarriage::CitationCount() {
  return citationCount_;
}

const WDate* WABSMarriage::Date() {
  if (!dates_.DisplayLoaded()) {
    dates_.MarkDisplayLoaded();
    LoadDate();
  }
  return dates_.Display();
}

const WDate* WABSMarriage::SortDate() {
  if (!dates_.SortLoaded()) {
    dates_.MarkSortLoaded();
    LoadSortDate();
  }
  return dates_.Sort();
}

std::string WABSMarriage::DateText() {
  return DateTextOf(Date());
}

std::string WABSMarriage::SortDateText() {
  return DateTextOf(SortDate());
}

std::string WABSMarriage::DateAndPlaceText() {
  return JoinedPieces(DateText(), GetPlaceText());
}

std::int32_t WABSMarriage::OtherSpouse(std::int32_t individual) {
  const std::int32_t husband = GetHusband();
  return individual == husband ? GetWife() : husband;
}

std::string WABSMarriage::CitationsText() {
  return CitationListText(CitationCount(), [this](std::int32_t n) { return GetCitation(n); });
}

std::string WABSMarriage::NoteText() {
  return NoteTextOf(GetNote().get());
}

void WABSMarriage::SetDate(std::unique_ptr<WDate> date) {
  dates_.SetDisplay(std::move(date));
}

void WABSMarriage::SetSortDate(std::unique_ptr<WDate> date) {
  dates_.SetSort(std::move(date));
}

}  // namespace kinshelf
