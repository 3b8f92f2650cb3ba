// Fuzz target: write the input to a file with the signature of one PAF version (FUZZ_PAF_VERSION: 300,
// 400 or 500), open it through the reader factory and, when it opens, load it and build every page
// the details view and the commands show: the header, and the individual and family pages of the
// first individuals and families, and check that a listing's texts are the general functions' own. A
// damaged file may be refused with a message or show absent items; nothing may fault, read past the
// mapping or hang.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"
#include "model/WABSRepo.h"
#include "model/WABSSource.h"
#include "model/WABSSubmitter.h"
#include "model/WABSVitEvent.h"
#include "model/pages/FamilyPage.h"
#include "model/pages/HeaderPage.h"
#include "model/pages/IndividualPage.h"
#include "readers/ReaderFactory.h"
#include "settings/WOptions.h"

namespace {

using namespace kinshelf;

// Pages built per input, so that one input stays fast.
constexpr std::int32_t kItems = 40;

// The bytes 4 to 11 that name the version.
void Sign(std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 12) bytes.resize(12);
  const std::string version = std::to_string(FUZZ_PAF_VERSION);
  const std::string signature =
      FUZZ_PAF_VERSION == 500 ? version + '\0' + "PAF" + '\0' : std::string(4, '\0') + version + '\0';
  std::memcpy(bytes.data() + 4, signature.data(), 8);
}

bool SameTexts(const EventTexts& one, const EventTexts& other) {
  return one.date == other.date && one.place == other.place;
}

// A listing takes a birth's and a death's texts without making the event, and its line's texts from
// views of the text records: they must be what the event and the general functions show.
void CheckListingTexts(WABSCollection& collection, std::int32_t index) {
  const std::unique_ptr<WABSIndividual> individual = collection.GetIndividual(index);
  if (individual == nullptr) return;
  ListingTexts read(ListingOptions::Of(collection.Options()));
  ListingTexts general(ListingOptions::Of(collection.Options()));
  individual->ReadListingTexts(read);
  individual->WABSIndividual::ReadListingTexts(general);
  if (read.id != general.id || read.name != general.name || !SameTexts(read.birth, general.birth) ||
      !SameTexts(read.death, general.death))
    __builtin_trap();
  for (const EventKind kind : {EventKind::kBirth, EventKind::kDeath}) {
    const EventTexts texts = individual->EventDateAndPlaceText(kind, 1);
    const std::unique_ptr<WABSVitEvent> event = individual->GetEvent(kind, 1);
    const bool same = event != nullptr ? texts.date == event->DateText() &&
                                             texts.place == event->PlaceText(collection.Options())
                                       : texts.date.empty() && texts.place.empty();
    if (!same) __builtin_trap();
  }
}

void Walk(WABSCollection& collection) {
  BuildHeaderPage(collection, 0);
  collection.GetSubmitter()->GetName();
  for (std::int32_t index = 1; index <= std::min(collection.IndividualCount(), kItems); ++index) {
    BuildIndividualPage(collection, index);
    BuildFamilyPage(collection, index, 1);
    collection.IndividualSummaryText(index);
    CheckListingTexts(collection, index);
  }
  for (std::int32_t index = 1; index <= std::min(collection.MarriageCount(), kItems); ++index) {
    if (auto family = collection.GetMarriage(index)) family->SortChildren();
  }
  for (std::int32_t index = 1; index <= kItems; ++index) {
    collection.GetSource(index)->GetFullText();
    collection.GetRepo(index)->GetName();
    collection.GetNote(index);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  Sign(bytes);
  char path[] = "/tmp/paf-collection-fuzz-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return 0;
  const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  close(fd);
  if (written) {
    WOptions options;
    std::string error;
    auto collection = CreateCollection(path, error, ReaderFormat::kPaf, options);
    if (collection != nullptr && collection->Load()) Walk(*collection);
  }
  unlink(path);
  return 0;
}
