// What the PAF collections share: index tables, counts and the readers' services.
#include "paf/WPAFCollection.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <utility>

#include "model/CancelFlag.h"
#include "model/FileChangedError.h"
#include "model/FileDateText.h"
#include "model/WABSIndividual.h"
#include "model/WABSNote.h"
#include "model/dates/WDate.h"
#include "paf/Paf34Format.h"
#include "paf/Paf5Format.h"
#include "paf/WPAFCitation.h"
#include "paf/WPAFIndividual.h"
#include "paf/WPAFMarriage.h"
#include "paf/WPAFRepo.h"
#include "paf/WPAFSource.h"
#include "paf/WPAFSubmitter.h"
#include "paf/WPafDate.h"
#include "platform/ProcessEvents.h"
#include "text/AnselUtf8.h"
#include "text/CountFormat.h"
#include "text/Windows1252.h"

namespace kinshelf {

namespace {

// The bytes of a packed date at the start of `structure`; none when its first four bytes are zero,
// as in a date never entered.
std::span<const unsigned char> PackedDateBytes(const PafRecord& structure, std::size_t width) {
  return structure.AnyNonZero(0, 4) ? structure.Bytes(0, width) : std::span<const unsigned char>();
}

// How many RINs the index pass takes between looks at the cancel flag and the event hook.
constexpr std::int32_t kRinsPerEventCheck = 65536;
// The mapping's resident pages are released whenever an individual whose index is a multiple of this
// is handed out: a listing of every individual of a large file then keeps only the pages of the last
// few thousand in memory. Counting the individuals handed out instead made every thread of a
// listing write one shared counter per individual.
constexpr std::int32_t kIndividualsPerRelease = 16384;
// How far ahead of the individual handed out its record, and the text record of its name, are asked for.
constexpr std::int32_t kRecordsAhead = 16;
constexpr std::int32_t kNameTextsAhead = 8;

const paf::RecordFields& FieldsOf(int version) {
  switch (version) {
    case 300:
      return paf::kPaf3Fields;
    case 400:
      return paf::kPaf4Fields;
    default:
      return paf::kPaf5Fields;
  }
}

}  // namespace

WPAFCollection::WPAFCollection(std::string fileName, const WOptions& options)
    : WABSCollection(fileName, options), file_(fileName), fields_(FieldsOf(file_.Version())) {
  SetKind(CollectionKind::kPaf);
}

void WPAFCollection::RequireVersion(std::initializer_list<int> versions) const {
  if (std::find(versions.begin(), versions.end(), file_.Version()) == versions.end())
    throw std::runtime_error(FilePath() + ": not a PAF file of the version expected");
}

WPAFCollection::~WPAFCollection() = default;

void WPAFCollection::RequireNoLostPages() const {
  if (file_.LostPages()) throw FileChangedError(FilePath() + ": the file changed while it was being read");
}

std::int32_t WPAFCollection::CountIndividuals() {
  if (!loaded_) Load();
  return IndividualCount();
}

std::string WPAFCollection::GetFileSizeText() {
  return FormatCount(file_.Size());
}

std::string WPAFCollection::GetFileDateText() {
  return FileDateText(FilePath());
}

std::int32_t WPAFCollection::HighestRin() const {
  const std::int64_t capacity = file_.RecordCapacity(paf::kIndividualType);
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(HeaderNumber(fields_.header.individualCount), 0, capacity));
}

bool WPAFCollection::Load() {
  RequireNoLostPages();
  loaded_ = false;
  deletedMarriages_ = static_cast<std::int32_t>(file_.DeletedMarriages().size());
  const std::int32_t highest = HighestRin();
  rinToIndex_.assign(static_cast<std::size_t>(highest) + 1, 0);
  deletedIndividuals_ = 0;
  for (const std::int32_t rin : DeletedIndividualChain()) {
    // A deleted number beyond the count names no individual the tables hold.
    if (rin > highest) continue;
    rinToIndex_[static_cast<std::size_t>(rin)] = -1;
    ++deletedIndividuals_;
  }
  indexToRin_.clear();
  indexToRin_.reserve(static_cast<std::size_t>(highest - deletedIndividuals_));
  for (std::int32_t rin = 1; rin <= highest; ++rin) {
    if (rin % kRinsPerEventCheck == 0) {
      platform::ProcessPendingEvents();
      if (CancelRequested()) return false;
    }
    auto& entry = rinToIndex_[static_cast<std::size_t>(rin)];
    if (entry == -1) continue;
    indexToRin_.push_back(rin);
    entry = static_cast<std::int32_t>(indexToRin_.size());
  }
  RequireNoLostPages();
  loaded_ = true;
  return true;
}

// PAF 5 takes the header's first deleted number only when it is not above the individual count.
// Above it the number names no deleted individual: the slot there is unused or a leftover, and its
// first field, read as the next deleted number, could name a live individual.
std::vector<std::int32_t> WPAFCollection::DeletedIndividualChain() const {
  std::vector<std::int32_t> chain = file_.DeletedIndividuals();
  const bool stale = file_.Version() == paf::kPaf5Layout.version && !chain.empty() &&
                     chain.front() > HeaderNumber(fields_.header.individualCount);
  if (stale) chain.clear();
  return chain;
}

std::unique_ptr<WABSIndividual> WPAFCollection::GetIndividual(std::int32_t index) {
  RequireNoLostPages();
  const std::int32_t rin = IndexToRIN(index);
  if (rin == 0) return nullptr;
  ReleasePagesAt(index);
  PafRecord record = Record(paf::kIndividualType, rin);
  return record.Exists() ? MakeIndividual(index, rin, record) : nullptr;
}

// A walk reads the records in order, and each one's record and name text lie where the processor
// can't foresee them: it would wait for memory twice per individual. Each record is located, and
// asked for, kRecordsAhead individuals before it is read, and its name text kNameTextsAhead before,
// so that those waits overlap with the work on the individuals before.
void WPAFCollection::ForEachIndividual(std::int32_t first, std::int32_t last,
                                       const std::function<void(WABSIndividual&)>& visit) {
  const auto recordSize = static_cast<std::size_t>(file_.SizeOf(paf::kIndividualType));
  std::array<std::int64_t, kRecordsAhead> located{};  // of individual i at i % kRecordsAhead
  const auto locate = [&](std::int32_t index) {
    const std::int64_t offset = index <= last ? LocateIndividual(index) : 0;
    located[static_cast<std::size_t>(index) % kRecordsAhead] = offset;
    file_.Prefetch(offset, recordSize);
  };
  first = std::max(first, 1);
  last = std::min(last, IndividualCount());
  if (first > last) return;
  for (std::int32_t index = first; index < first + kRecordsAhead; ++index) locate(index);
  std::unique_ptr<WPAFIndividual> person;
  for (std::int32_t index = first; index <= last; ++index) {
    RequireNoLostPages();
    ReleasePagesAt(index);
    const std::int64_t offset = located[static_cast<std::size_t>(index) % kRecordsAhead];
    locate(index + kRecordsAhead);
    PrefetchNameText(
        RecordAt(located[static_cast<std::size_t>(index + kNameTextsAhead) % kRecordsAhead], recordSize));
    const PafRecord record = RecordAt(offset, recordSize);
    if (!record.Exists()) continue;
    if (person == nullptr) {
      person = MakeIndividual(index, IndexToRIN(index), record);
    } else {
      person->PointAt(index, IndexToRIN(index), record);
    }
    visit(*person);
  }
}

void WPAFCollection::ReleasePagesAt(std::int32_t index) const {
  if (index % kIndividualsPerRelease == 0) file_.ReleaseResidentPages();
}

std::int64_t WPAFCollection::LocateIndividual(std::int32_t index) const {
  const auto at = static_cast<std::size_t>(index) - 1;
  return at < indexToRin_.size() ? file_.Locate(paf::kIndividualType, indexToRin_[at]) : 0;
}

void WPAFCollection::PrefetchNameText(const PafRecord&) const {}

std::unique_ptr<WABSMarriage> WPAFCollection::GetMarriage(std::int32_t index) {
  RequireNoLostPages();
  if (index < 1 || index > MarriageCount()) return nullptr;
  PafRecord record = Record(paf::kMarriageType, index);
  return record.Exists() ? std::make_unique<WPAFMarriage>(*this, index, record) : nullptr;
}

std::unique_ptr<WABSSubmitter> WPAFCollection::GetSubmitter() {
  return std::make_unique<WPAFSubmitter>(*this);
}

std::unique_ptr<WABSNote> WPAFCollection::GetNote(std::int32_t index) {
  return Note(index);
}

std::unique_ptr<WABSSource> WPAFCollection::GetSource(std::int32_t index) {
  return std::make_unique<WPAFSource>(*this, index);
}

std::unique_ptr<WABSRepo> WPAFCollection::GetRepo(std::int32_t index) {
  return std::make_unique<WPAFRepo>(*this, Record(paf::kRepositoryType, index));
}

std::int32_t WPAFCollection::IndividualCount() {
  return static_cast<std::int32_t>(indexToRin_.size());
}

std::string WPAFCollection::LoadDamage() const {
  const std::int64_t blocks = file_.BlocksPastEnd();
  if (blocks == 0) return {};
  return std::to_string(blocks) + (blocks == 1 ? " block lies" : " blocks lie") +
         " past the end of the file; it is cut short, and the records there cannot be read";
}

std::int32_t WPAFCollection::MarriageCount() {
  return std::max(HeaderNumber(fields_.header.marriageCount), 0);
}

std::int32_t WPAFCollection::NoteCount() {
  return std::max(HeaderNumber(fields_.header.noteCount), 0);
}

std::int32_t WPAFCollection::SourceCount() {
  return std::max(HeaderNumber(fields_.header.sourceCount), 0);
}

std::string WPAFCollection::GetHeaderText() {
  return {};
}

std::string WPAFCollection::GetExtraText() {
  return "N/A/";
}

std::int32_t WPAFCollection::IndexToRIN(std::int32_t index) {
  if (index < 1 || static_cast<std::size_t>(index) > indexToRin_.size()) return 0;
  return indexToRin_[static_cast<std::size_t>(index) - 1];
}

std::int32_t WPAFCollection::RINToIndex(std::int32_t rin) {
  if (rin < 0 || static_cast<std::size_t>(rin) >= rinToIndex_.size()) return 0;
  return rinToIndex_[static_cast<std::size_t>(rin)];
}

std::int32_t WPAFCollection::FindIndividual(std::string_view id) {
  std::int32_t rin = 0;
  const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), rin);
  if (error != std::errc() || end != id.data() + id.size() || rin < 1) return 0;
  return std::max(RINToIndex(rin), 0);
}

PafRecord WPAFCollection::Record(int type, std::int32_t number) const {
  return PafRecord(file_.Record(type, number));
}

PafRecord WPAFCollection::RecordAt(std::int64_t offset, std::size_t size) const {
  if (offset < 1 || offset >= file_.Size()) return {};
  return PafRecord(
      file_.RecordAt(offset, std::min<std::size_t>(size, static_cast<std::size_t>(file_.Size() - offset))));
}

std::string WPAFCollection::Text(std::int32_t link) const {
  return std::string(TextView(link));
}

std::string_view WPAFCollection::TextView(std::int32_t link) const {
  return PafRecord::IsLink(link) ? file_.TextViewAt(link).value_or(std::string_view()) : std::string_view();
}

std::string WPAFCollection::EventText(std::int32_t link) const {
  std::string text = Text(link);
  return fields_.anselEventTexts ? Utf8ToWindows1252(AnselToUtf8(text)) : text;
}

std::unique_ptr<WABSNote> WPAFCollection::Note(std::int32_t firstPiece) const {
  auto note = std::make_unique<WABSNote>();
  if (!PafRecord::IsLink(firstPiece)) return note;
  const std::string text = file_.NoteText(firstPiece);
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\r', start), text.size());
    std::string line = text.substr(start, end - start);
    if (fields_.notesDropLineFeeds) std::erase(line, '\n');
    note->AddLine(line);
    start = end + 1;
  }
  return note;
}

std::optional<WDate> WPAFCollection::ReadPackedDate(const PafRecord& structure, std::size_t width) const {
  const auto bytes = PackedDateBytes(structure, width);
  if (bytes.empty()) return std::nullopt;
  WDate date = width == 6 ? WPafDate::FromPaf34(bytes) : WPafDate::FromPaf5(bytes, &file_);
  if (!date.IsValid()) return std::nullopt;
  return date;
}

std::unique_ptr<WDate> WPAFCollection::PackedDate(const PafRecord& structure, std::size_t width) const {
  std::optional<WDate> date = ReadPackedDate(structure, width);
  return date ? std::make_unique<WDate>(std::move(*date)) : nullptr;
}

std::string WPAFCollection::PackedDateText(const PafRecord& structure, std::size_t width) const {
  const auto bytes = PackedDateBytes(structure, width);
  if (bytes.empty()) return std::string();
  return width == 6 ? WPafDate::TextOfPaf34(bytes) : WPafDate::TextOfPaf5(bytes, &file_);
}

std::string WPAFCollection::EventPlaceText(const PafRecord& event) const {
  std::string text;
  AppendEventPlaceText(event, text);
  return text;
}

void WPAFCollection::AppendEventPlaceText(const PafRecord& event, std::string& text) const {
  const auto& places = fields_.event.places;
  AppendJoinedTexts(event, std::span(places).first(fields_.event.placeCount), text);
}

std::string WPAFCollection::JoinedTexts(const PafRecord& record, std::span<const std::size_t> offsets) const {
  std::string text;
  AppendJoinedTexts(record, offsets, text);
  return text;
}

void WPAFCollection::AppendJoinedTexts(const PafRecord& record, std::span<const std::size_t> offsets,
                                       std::string& text) const {
  // A piece follows a comma only once some text is there: an empty first piece leaves none.
  const std::size_t start = text.size();
  for (const std::size_t offset : offsets) {
    if (!record.HasLink(offset)) continue;
    if (text.size() > start) text += ", ";
    text += TextView(record.Int32(offset));
  }
}

std::unique_ptr<WABSCitation> WPAFCollection::Citation(std::int32_t number) {
  PafRecord record = Record(paf::kCitationType, number);
  return record.Exists() ? std::make_unique<WPAFCitation>(*this, record) : nullptr;
}

std::int32_t WPAFCollection::HeaderNumber(std::size_t offset) const {
  return PafRecord(file_.Header()).Int32(offset);
}

}  // namespace kinshelf
