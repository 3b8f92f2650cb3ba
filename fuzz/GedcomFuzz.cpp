// Fuzz target: write the input to a file (the reader maps files), load it as a GEDCOM collection,
// read the links of a few records before the link pass, order the spouse families, and walk every
// individual, family, note, source and repository through every getter. Nothing may fault or read
// past the mapping, whatever the bytes; a listing's event texts must be the events' own, and an
// individual read from its record alone, as a listing made during the load reads it, the loaded one.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fileaccess/WMMFError.h"
#include "gedcom/GedcomIndexes.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDCollection.h"
#include "gedcom/WGEDIndividual.h"
#include "model/WABSAddress.h"
#include "model/WABSCitation.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSMarriage.h"
#include "model/WABSName.h"
#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "model/WABSRepo.h"
#include "model/WABSSource.h"
#include "model/WABSSubmitter.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "settings/WOptions.h"

namespace {

using namespace kinshelf;

void Walk(WABSSource* source) {
  if (source == nullptr) return;
  source->GetRepoIndex();
  source->GetFullText();
  source->GetRecordText();
  source->GetNote();
  source->GetTextNote();
  source->HasNote();
  source->HasText();
  source->HasRepo();
}

void Walk(WABSCitation* citation) {
  if (citation == nullptr) return;
  citation->CitationText();
  Walk(citation->GetSource().get());
}

template <typename Item>
void WalkCitations(Item& item, std::int32_t count) {
  for (std::int32_t n = 0; n <= count + 1; ++n) Walk(item.GetCitation(n).get());
}

void Walk(WABSPlace* place) {
  if (place == nullptr) return;
  place->GetPlaceText();
  WalkCitations(*place, place->CitationCount());
  place->GetNote();
}

void Walk(WABSEvent* event) {
  if (event == nullptr) return;
  event->DateText();
  event->GetDescription();
  Walk(event->GetPlace().get());
  WalkCitations(*event, event->CitationCount());
  event->HasNote();
  event->NoteText();
}

bool SameTexts(const EventTexts& one, const EventTexts& other) {
  return one.date == other.date && one.place == other.place;
}

// A listing reads an event's date and place from its lines, and a line's texts in place: they must
// be what the event shows, and what the general functions give.
void CheckListingTexts(WABSIndividual& individual, const WOptions& options) {
  ListingTexts read(ListingOptions::Of(options));
  ListingTexts general(ListingOptions::Of(options));
  individual.ReadListingTexts(read);
  individual.WABSIndividual::ReadListingTexts(general);
  if (read.id != general.id || read.name != general.name || !SameTexts(read.birth, general.birth) ||
      !SameTexts(read.death, general.death))
    __builtin_trap();
  for (const EventKind kind : {EventKind::kBirth, EventKind::kDeath}) {
    const EventTexts texts = individual.EventDateAndPlaceText(kind, 1);
    const std::unique_ptr<WABSVitEvent> event = individual.GetEvent(kind, 1);
    const bool same = event != nullptr
                          ? texts.date == event->DateText() && texts.place == event->PlaceText(options)
                          : texts.date.empty() && texts.place.empty();
    if (!same) __builtin_trap();
  }
}

// A listing made while the file loads points an individual at its record without the index: its
// line must be the loaded individual's.
void CheckEarlyTexts(WGEDCollection& collection, WABSIndividual& loaded, const GedcomRecordContext& context) {
  WGEDIndividual early(context, 0);
  early.PointAtRecord(
      loaded.Index(),
      collection.Text().TextStart() + collection.Indexes()->OffsetOf(gedcom::kIndividuals, loaded.Index()));
  ListingTexts read(ListingOptions::Of(collection.Options()));
  ListingTexts expected(ListingOptions::Of(collection.Options()));
  early.ReadListingTexts(read);
  loaded.ReadListingTexts(expected);
  if (read.id != expected.id || read.name != expected.name || !SameTexts(read.birth, expected.birth) ||
      !SameTexts(read.death, expected.death))
    __builtin_trap();
}

void WalkIndividual(WGEDCollection& collection, std::int32_t index, const GedcomRecordContext& context) {
  const std::unique_ptr<WABSIndividual> individual = collection.GetIndividual(index);
  if (individual == nullptr) return;
  individual->GetIDText();
  individual->GetRefNumber();
  individual->GetAFN();
  individual->GetSex();
  individual->GetChangedDate();
  if (const auto name = individual->GetName()) {
    name->GetSurname();
    name->GetGivenNames();
    name->GetPrefix();
    name->GetSuffix();
    WalkCitations(*name, name->CitationCount());
    name->GetNote();
  }
  for (const EventKind kind :
       {EventKind::kBirth, EventKind::kDeath, EventKind::kChristening, EventKind::kBurial}) {
    Walk(individual->GetEvent(kind, 1).get());
  }
  for (std::int32_t n = 1; n <= individual->EventCount(EventKind::kOther); ++n) {
    Walk(individual->GetEvent(EventKind::kOther, n).get());
  }
  for (const EventKind kind :
       {EventKind::kLdsBaptism, EventKind::kLdsEndowment, EventKind::kLdsSealingToParents}) {
    Walk(individual->GetLDSEvent(kind).get());
  }
  CheckListingTexts(*individual, collection.Options());
  CheckEarlyTexts(collection, *individual, context);
  individual->GetParentFamilyEx(1);
  WalkCitations(*individual, individual->CitationCount());
  individual->NoteText();
  individual->GetRecordText();
  collection.IndividualSummaryText(index);
}

void WalkMarriage(WGEDCollection& collection, std::int32_t index) {
  const std::unique_ptr<WABSMarriage> marriage = collection.GetMarriage(index);
  if (marriage == nullptr) return;
  marriage->SortChildren();
  for (std::int32_t n = 0; n <= marriage->ChildCount() + 1; ++n) marriage->GetChild(n);
  marriage->DateAndPlaceText();
  Walk(marriage->GetSealing(1).get());
  marriage->GetRecordText();
  WalkCitations(*marriage, marriage->CitationCount());
  marriage->NoteText();
}

void WalkCollection(WGEDCollection& collection) {
  // Links read before the link pass are built a few records at a time; the pass builds the rest.
  for (std::int32_t i = 1; i <= 6; ++i) {
    if (const auto individual = collection.GetIndividual(i)) individual->GetSpouseFamily(1);
    WalkMarriage(collection, i);
  }
  collection.LinkRecords();
  collection.GetHeaderInfo();
  collection.GetHeaderText();
  if (const auto submitter = collection.GetSubmitter()) {
    submitter->GetName();
    submitter->GetAddressLine1();
    submitter->GetAddressLine2();
    submitter->GetAddressLine3();
    submitter->GetCountry();
    submitter->GetPhone();
    submitter->GetEmail();
    submitter->GetRecordText();
  }
  // A context of its own, without indexes, as the early walk's individuals have none to read.
  const std::unique_ptr<GedcomIndexes> none;
  const GedcomRecordContext context(collection, collection.Text(), none, {}, {});
  for (std::int32_t i = 0; i <= collection.IndividualCount() + 1; ++i) WalkIndividual(collection, i, context);
  for (std::int32_t i = 0; i <= collection.MarriageCount() + 1; ++i) WalkMarriage(collection, i);
  for (std::int32_t i = 0; i <= collection.NoteCount() + 1; ++i) collection.GetNote(i);
  for (std::int32_t i = 0; i <= collection.SourceCount() + 1; ++i) Walk(collection.GetSource(i).get());
  for (std::int32_t i = 0; i <= collection.RepoCount() + 1; ++i) {
    if (const auto repo = collection.GetRepo(i)) {
      repo->GetName();
      repo->GetRecordText();
      if (const auto address = repo->GetAddress()) {
        address->GetAddress();
        address->GetCity();
        address->GetPhone();
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  char path[] = "/tmp/gedcom-fuzz-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return 0;
  const bool written = size == 0 || write(fd, data, size) == static_cast<ssize_t>(size);
  close(fd);
  if (written) {
    WOptions options;
    try {
      WGEDCollection collection(path, options);
      if (collection.Load()) WalkCollection(collection);
    } catch (const WMMFError&) {
      // An empty file cannot be mapped; that is the expected outcome.
    }
  }
  unlink(path);
  return 0;
}
