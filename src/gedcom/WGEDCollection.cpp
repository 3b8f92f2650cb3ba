// A GEDCOM file opened as a genealogy collection.
#include "gedcom/WGEDCollection.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <utility>

#include "gedcom/EarlyIndividuals.h"
#include "gedcom/ExchangeSortOrder.h"
#include "gedcom/GedcomHeader.h"
#include "gedcom/GedcomPasses.h"
#include "gedcom/PageWarmer.h"
#include "gedcom/PartialLinks.h"
#include "gedcom/WGEDIndividual.h"
#include "gedcom/WGEDMarriage.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDRepo.h"
#include "gedcom/WGEDSource.h"
#include "gedcom/WGEDSubmitter.h"
#include "model/CancelFlag.h"
#include "model/FileChangedError.h"
#include "model/FileDateText.h"
#include "model/dates/WDate.h"
#include "platform/MappingGuard.h"
#include "text/CountFormat.h"

namespace kinshelf {

using namespace gedcom;

namespace {

// A spouse family being ordered: its marriage date, and the other spouse's name once needed.
struct FamilyOrderKey {
  std::unique_ptr<WABSMarriage> marriage;
  const WDate* date = nullptr;
  std::optional<std::string> spouseName;
};

// Dates decide when both are there and differ; a family without a date comes first.
int CompareDates(const WDate* a, const WDate* b) {
  if (a == nullptr || b == nullptr) return (a != nullptr) - (b != nullptr);
  const int order = a->Compare(b);
  return order == 1 || order == -1 ? order : 0;
}

const WDate* ValidDate(const WDate* date) {
  return date != nullptr && date->IsValid() ? date : nullptr;
}

// The other spouse's name in upper case, found once.
const std::string& SpouseName(WGEDCollection& collection, std::int32_t individual, FamilyOrderKey& key) {
  if (!key.spouseName) {
    const std::int32_t spouse = key.marriage != nullptr ? key.marriage->OtherSpouse(individual) : 0;
    key.spouseName = UpperCaseText(collection.ShortNameText(spouse), collection.Encoding());
  }
  return *key.spouseName;
}

// Each family's rank by the other spouse's name: equal names share one, a later name has a higher one.
std::vector<std::int64_t> NameRanks(WGEDCollection& collection, std::int32_t individual,
                                    std::vector<FamilyOrderKey>& keys) {
  std::vector<std::string> names;
  names.reserve(keys.size());
  for (FamilyOrderKey& key : keys) names.push_back(SpouseName(collection, individual, key));
  std::vector<std::size_t> sorted(names.size());
  std::iota(sorted.begin(), sorted.end(), std::size_t{0});
  std::sort(sorted.begin(), sorted.end(),
            [&names](std::size_t a, std::size_t b) { return names[a] < names[b]; });
  std::vector<std::int64_t> ranks(names.size());
  for (std::size_t k = 1; k < sorted.size(); ++k) {
    const bool later = names[sorted[k - 1]] < names[sorted[k]];
    ranks[sorted[k]] = ranks[sorted[k - 1]] + (later ? 1 : 0);
  }
  return ranks;
}

// The families in the order given as their places.
std::vector<std::int32_t> InOrder(const std::vector<std::int32_t>& families,
                                  const std::vector<std::size_t>& order) {
  std::vector<std::int32_t> ordered;
  ordered.reserve(order.size());
  for (const std::size_t place : order) ordered.push_back(families[place]);
  return ordered;
}

// While it lives, damage to a guarded mapping sets the cancel flag.
class CancelOnDamage {
 public:
  CancelOnDamage() { platform::MappingGuard::SetDamageHook(&RequestCancel); }
  ~CancelOnDamage() { platform::MappingGuard::SetDamageHook(nullptr); }
  CancelOnDamage(const CancelOnDamage&) = delete;
  CancelOnDamage& operator=(const CancelOnDamage&) = delete;
};

}  // namespace

WGEDCollection::WGEDCollection(std::string fileName, const WOptions& options)
    : WABSCollection(fileName, options),
      text_(std::make_unique<WGEDTextMMF>(fileName)),
      context_(
          *this, *text_, indexes_,
          [this](Category category, std::int32_t record) { EnsureLinked(category, record); },
          [this](std::int32_t individual) { EnsureSpouseOrder(individual); }) {
  SetKind(CollectionKind::kGedcom);
}

WGEDCollection::~WGEDCollection() = default;

std::int32_t WGEDCollection::CountIndividuals() {
  return CountIndividualRecords(*text_);
}

void WGEDCollection::FlushFile() {
  text_->Flush();
}

std::string WGEDCollection::GetFileSizeText() {
  return FormatCount(text_->Size());
}

std::string WGEDCollection::GetFileDateText() {
  return FileDateText(FilePath());
}

void WGEDCollection::LinkRecords() {
  BuildLinks([this] { linked_ = LinkFamilies(*text_, *indexes_); });
}

void WGEDCollection::EnsureLinked(Category category, std::int32_t record) {
  if (indexes_ == nullptr || record < 1 || record > context_.Count(category) || LinksBuilt(category, record))
    return;
  if (partialLinks_ == kMostPartialLinks) return LinkRecords();
  ++partialLinks_;
  BuildLinks([&] { LinkRecordsAround(*text_, *indexes_, category, record); });
}

bool WGEDCollection::LinksBuilt(Category category, std::int32_t record) const {
  return linked_ ||
         (indexes_ != nullptr && indexes_->builtLinks.StateOf(category, record) == BuiltLinks::State::kBuilt);
}

void WGEDCollection::BuildLinks(const std::function<void()>& build) {
  if (linked_ || indexes_ == nullptr) return;
  {
    const CancelOnDamage cancelOnDamage;
    if (!CancelRequested()) build();
  }
  if (text_->Damaged()) ThrowChanged();
}

// Ordering reads each spouse family's members, so their links are built first: no pass then runs
// while the order is being stored.
void WGEDCollection::EnsureSpouseOrder(std::int32_t individual) {
  EnsureLinked(kIndividuals, individual);
  if (!LinksBuilt(kIndividuals, individual)) return;
  if (indexes_->individualLinks->SpouseFamilyCount(individual) > 1) {
    for (const std::int32_t family : indexes_->individualLinks->SpouseFamilies(individual))
      EnsureLinked(kFamilies, family);
  }
  indexes_->individualLinks->OrderSpouseFamilies(
      individual,
      [this](std::int32_t person, std::vector<std::int32_t>& families) { OrderFamilies(person, families); });
  if (text_->Damaged()) ThrowChanged();
}

void WGEDCollection::OrderFamilies(std::int32_t individual, std::vector<std::int32_t>& families) {
  std::vector<FamilyOrderKey> keys;
  keys.reserve(families.size());
  for (const std::int32_t family : families) {
    FamilyOrderKey key;
    key.marriage = GetMarriage(family);
    if (key.marriage != nullptr) key.date = ValidDate(key.marriage->Date());
    keys.push_back(std::move(key));
  }
  // Without dates the names alone decide, which is a strict weak ordering, so the exchange sort's
  // order can be found without its n²/2 comparisons. Dates are compared in a way that is not one
  // (ABT ties with both CIR and EST, which do not tie with each other), so with them it runs.
  if (std::none_of(keys.begin(), keys.end(), [](const FamilyOrderKey& key) { return key.date != nullptr; })) {
    families = InOrder(families, ExchangeSortOrder(NameRanks(*this, individual, keys)));
    return;
  }
  const auto after = [&](FamilyOrderKey& a, FamilyOrderKey& b) {
    const int order = CompareDates(a.date, b.date);
    return order != 0 ? order > 0 : SpouseName(*this, individual, a) > SpouseName(*this, individual, b);
  };
  for (std::size_t i = 0; i < families.size(); ++i) {
    for (std::size_t j = i + 1; j < families.size(); ++j) {
      if (after(keys[i], keys[j])) {
        std::swap(keys[i], keys[j]);
        std::swap(families[i], families[j]);
      }
    }
  }
}

std::unique_ptr<WABSIndividual> WGEDCollection::GetIndividual(std::int32_t index) {
  RequireNoLostPages();
  if (index < 1 || index > IndividualCount()) return nullptr;
  return std::make_unique<WGEDIndividual>(context_, index);
}

void WGEDCollection::ForEachIndividual(std::int32_t first, std::int32_t last,
                                       const std::function<void(WABSIndividual&)>& visit) {
  first = std::max(first, 1);
  last = std::min(last, IndividualCount());
  if (first > last) return;
  RequireNoLostPages();
  WGEDIndividual person(context_, first);
  for (std::int32_t index = first; index <= last; ++index) {
    if (index != first) {
      RequireNoLostPages();
      person.LoadRecord(index);
    }
    visit(person);
  }
}

void WGEDCollection::PrepareConcurrentReads() {
  if (indexes_ != nullptr) indexes_->individuals->StopKeepingSummaries();
  text_->IsLFText();
}

std::unique_ptr<WABSMarriage> WGEDCollection::GetMarriage(std::int32_t index) {
  RequireNoLostPages();
  if (index < 1 || index > MarriageCount()) return nullptr;
  return std::make_unique<WGEDMarriage>(context_, index);
}

std::unique_ptr<WABSSubmitter> WGEDCollection::GetSubmitter() {
  RequireNoLostPages();
  if (indexes_ == nullptr) return nullptr;
  const std::int32_t other = Find(kOthers, SubmitterId(*text_, indexes_->header));
  const char* record = context_.RecordPosition(kOthers, other);
  return record != nullptr ? std::make_unique<WGEDSubmitter>(context_, record) : nullptr;
}

std::unique_ptr<WABSNote> WGEDCollection::GetNote(std::int32_t index) {
  RequireNoLostPages();
  const char* record = context_.RecordPosition(kNotes, index);
  return record != nullptr ? WGEDNote::FromRecord(context_, record) : nullptr;
}

std::unique_ptr<WABSSource> WGEDCollection::GetSource(std::int32_t index) {
  RequireNoLostPages();
  const char* record = context_.RecordPosition(kSources, index);
  return record != nullptr ? std::make_unique<WGEDSource>(context_, record, true) : nullptr;
}

std::unique_ptr<WABSRepo> WGEDCollection::GetRepo(std::int32_t index) {
  RequireNoLostPages();
  const char* record = context_.RecordPosition(kRepositories, index);
  return record != nullptr ? std::make_unique<WGEDRepo>(context_, record) : nullptr;
}

std::int32_t WGEDCollection::IndividualCount() {
  return context_.Count(kIndividuals);
}
std::int32_t WGEDCollection::MarriageCount() {
  return context_.Count(kFamilies);
}
std::int32_t WGEDCollection::NoteCount() {
  return context_.Count(kNotes);
}
std::int32_t WGEDCollection::SourceCount() {
  return context_.Count(kSources);
}
std::int32_t WGEDCollection::RepoCount() const {
  return context_.Count(kRepositories);
}

std::vector<GenHeaderRec> WGEDCollection::GetHeaderInfo() {
  if (indexes_ == nullptr) return {};
  return HeaderInfo(*text_, indexes_->header,
                    [this](std::string_view text) { return context_.ConvertText(text); });
}

std::string WGEDCollection::GetHeaderText() {
  if (indexes_ == nullptr) return {};
  return context_.ConvertRecordText(text_->GetRecordText(indexes_->header));
}

std::string WGEDCollection::GetExtraText() {
  return std::string(kExtraText);
}

bool WGEDCollection::Load() {
  std::int32_t visited = 0;
  return LoadWhileVisiting({}, visited);
}

// The character set is read from the header before the index pass, and the line breaks learnt, so
// that the early visits read them while the pass runs.
bool WGEDCollection::LoadWhileVisiting(const EarlyVisit& visit, std::int32_t& visited) {
  visited = 0;
  // The first page lost to a file shortened under the mapping cancels the passes: every scan would
  // otherwise run on through the zeros to the end of the mapping.
  const CancelOnDamage cancelOnDamage;
  indexes_ = std::make_unique<GedcomIndexes>(text_->Size());
  const bool pass = !CancelRequested();
  SetCharacterSet(static_cast<std::uint8_t>(DetectCharSet(*text_, pass ? text_->FindHeader() : nullptr)));
  if (pass) {
    const PageWarmer warmer(text_->TextStart(), text_->TextEnd());
    if (visit) text_->IsLFText();
    EarlyIndividuals early(context_, visit);
    IndexRecords(*text_, *indexes_);
    visited = early.Finish(*indexes_->individuals);
  }
  if (text_->Damaged()) ThrowChanged();
  return !CancelRequested();
}

void WGEDCollection::RequireNoLostPages() const {
  if (text_->LostPages()) ThrowChanged();
}

void WGEDCollection::ThrowChanged() const {
  throw FileChangedError(FilePath() + ": the file changed while it was being read");
}

std::int32_t WGEDCollection::FindIndividual(std::string_view id) {
  return Find(kIndividuals, id);
}
std::int32_t WGEDCollection::FindMarriage(std::string_view id) {
  return Find(kFamilies, id);
}
std::int32_t WGEDCollection::FindNote(std::string_view id) {
  return Find(kNotes, id);
}
std::int32_t WGEDCollection::FindSource(std::string_view id) {
  return Find(kSources, id);
}
std::int32_t WGEDCollection::FindRepo(std::string_view id) {
  return Find(kRepositories, id);
}

std::int32_t WGEDCollection::Find(Category category, std::string_view id) {
  if (id.empty() || indexes_ == nullptr) return 0;
  return indexes_->Keys(category).FindKey(id);
}

TextEncoding WGEDCollection::Encoding() const {
  switch (CharacterSet()) {
    case kCharSetAnsel:
    case kCharSetUtf8:
      return TextEncoding::kUtf8;
    default:
      return TextEncoding::kUtf8OrWindows1252;
  }
}

}  // namespace kinshelf
