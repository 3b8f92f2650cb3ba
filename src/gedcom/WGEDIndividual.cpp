// A GEDCOM individual record as a person of the model.
#include "gedcom/WGEDIndividual.h"

#include <array>
#include <limits>

#include "gedcom/EMemoryError.h"
#include "gedcom/GedcomIndexes.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDLDSEvent.h"
#include "gedcom/WGEDName.h"
#include "gedcom/WGEDNote.h"
#include "gedcom/WGEDVitEvent.h"
#include "model/WABSPlace.h"
#include "model/dates/WDate.h"
#include "platform/HashedKeys.h"
#include "settings/WOptions.h"

namespace kinshelf {

using namespace gedcom;

namespace {

// The fields of the summary a level-1 line can fill. Those before kNameField keep the last such line;
// kNoField is where every other line goes.
enum SummaryField : std::uint8_t {
  kNoField,
  kBirthField,
  kChristeningField,
  kDeathField,
  kBurialField,
  kChangeField,
  kLdsBaptismField,
  kEndowmentField,
  kSealingField,
  kNameField,
  kNoteField,
  kAfnField,
  kSexField,
};

using TagFields = platform::HashedKeys<SummaryField, 6>;

// A record's level-1 lines have tags in no order a branch could learn, so the field is looked up.
constexpr TagFields kSummaryTags(std::array{
    TagFields::Entry{tag::kBirt, kBirthField},
    TagFields::Entry{tag::kChrSpace, kChristeningField},
    TagFields::Entry{tag::kChrCr, kChristeningField},
    TagFields::Entry{tag::kChrLf, kChristeningField},
    TagFields::Entry{tag::kDeat, kDeathField},
    TagFields::Entry{tag::kBuri, kBurialField},
    TagFields::Entry{tag::kChan, kChangeField},
    TagFields::Entry{tag::kBapl, kLdsBaptismField},
    TagFields::Entry{tag::kCons, kLdsBaptismField},
    TagFields::Entry{tag::kEndl, kEndowmentField},
    TagFields::Entry{tag::kSlgc, kSealingField},
    TagFields::Entry{tag::kName, kNameField},
    TagFields::Entry{tag::kNote, kNoteField},
    TagFields::Entry{tag::kAfnSpace, kAfnField},
    TagFields::Entry{tag::kSexSpace, kSexField},
});

// The lines read apart from the rest: the first NAME and NOTE, the AFN value and the sex letter.
// `value` is where the line's value starts, relative to the record like `relative`.
void TakeOtherLine(IndividualSummary& summary, SummaryField field, std::uint32_t relative,
                   std::uint32_t value, char sexLetter) {
  switch (field) {
    case kNameField:
      if (summary.name == 0) summary.name = relative;
      return;
    case kNoteField:
      if (summary.note == 0) {
        summary.note = relative;
      } else {
        summary.flags |= kMoreNotes;
      }
      return;
    case kAfnField:
      summary.afnValue = value;
      return;
    case kSexField:
      if (sexLetter != '\0' && !IsBlank(sexLetter)) summary.sex = sexLetter;
      return;
    default:
      return;
  }
}

// The note's lines joined by CR LF, as they are.
std::string JoinedLines(const WABSNote& note) {
  std::string joined;
  for (const std::string& line : note.Lines()) {
    if (!joined.empty()) joined += "\r\n";
    joined += line;
  }
  return joined;
}

}  // namespace

WGEDIndividual::WGEDIndividual(const GedcomRecordContext& context, std::int32_t index)
    : WABSIndividual(context.Collection(), index), context_(context) {
  LoadRecord(index);
}

WGEDIndividual::~WGEDIndividual() {
  FreeCache();
}

void WGEDIndividual::Reset() {
  summary_ = IndividualSummary{summary_.offset};
  summary_.sex = 'U';
  if (GedcomIndexes* indexes = context_.Indexes(); indexes != nullptr && Index() != 0) {
    indexes->individuals->SetEntry(Index(), summary_);
  }
  WABSIndividual::Reset();
}

void WGEDIndividual::FreeCache() {}

void WGEDIndividual::LoadRecord(std::int32_t index) {
  ForgetRecord(index);
  if (index == 0) return;
  GedcomIndexes* indexes = context_.Indexes();
  if (indexes == nullptr || !indexes->individuals->InRange(index)) throw EMemoryError("individual", index);
  summary_ = indexes->individuals->GetEntry(index);
  record_ = context_.Text().TextStart() + summary_.offset;
  if (!context_.Text().Contains(record_)) throw EMemoryError("individual", index);
  if ((summary_.flags & kSummaryFilled) == 0) FillSummary();
}

void WGEDIndividual::ForgetRecord(std::int32_t index) {
  SetIndex(index);
  record_ = nullptr;
  changedDate_.reset();
  changedDateRead_ = false;
  citations_.reset();
  otherEvents_.reset();
}

void WGEDIndividual::PointAtRecord(std::int32_t index, const char* record) {
  ForgetRecord(index);
  record_ = record;
  summary_ = IndividualSummary{record - context_.Text().TextStart()};
  summary_.sex = 'U';
  WABSIndividual::Reset();
  ReadSummary();
}

void WGEDIndividual::FillSummary() {
  Reset();
  ReadSummary();
  context_.Indexes()->individuals->SetEntry(Index(), summary_);
}

void WGEDIndividual::ReadSummary() {
  summary_.flags |= kSummaryFilled;
  const char* end = context_.Text().TextEnd();
  // The last line of each kept kind, by field; slot kNoField takes every other line.
  std::array<std::uint32_t, kNameField> lastLines{};
  ForEachLevelOneLine(context_.Text(), record_, [&](const char* line) {
    const std::uint32_t word = LineTag(line, end);
    const SummaryField field = kSummaryTags.Find(word, kNoField);
    const auto relative = static_cast<std::uint64_t>(line - record_);
    if (relative > std::numeric_limits<std::uint32_t>::max()) return true;
    if (field < kNameField) {
      lastLines[field] = static_cast<std::uint32_t>(relative);
      return true;
    }
    // Only the AFN and SEX lines need to know where their values start.
    const bool valued = field == kAfnField || field == kSexField;
    const char* value = valued ? ValueStart(line, end) : line;
    const auto valueRelative = static_cast<std::uint64_t>(value - record_);
    if (valueRelative > std::numeric_limits<std::uint32_t>::max()) return true;
    const std::string_view sex = field == kSexField ? TrimmedValueView(value, end) : std::string_view();
    TakeOtherLine(summary_, field, static_cast<std::uint32_t>(relative),
                  static_cast<std::uint32_t>(valueRelative), sex.empty() ? '\0' : sex.front());
    return true;
  });
  summary_.birth = lastLines[kBirthField];
  summary_.christening = lastLines[kChristeningField];
  summary_.death = lastLines[kDeathField];
  summary_.burial = lastLines[kBurialField];
  summary_.change = lastLines[kChangeField];
  summary_.ldsBaptism = lastLines[kLdsBaptismField];
  summary_.endowment = lastLines[kEndowmentField];
  summary_.sealingToParents = lastLines[kSealingField];
}

const char* WGEDIndividual::At(std::uint32_t relative) const {
  return relative != 0 && record_ != nullptr ? record_ + relative : nullptr;
}

std::string WGEDIndividual::GetIDText() {
  return std::string(IDView());
}

std::string_view WGEDIndividual::IDView() const {
  const WGEDTextMMF& text = context_.Text();
  return record_ != nullptr ? text.GetXRef(InLine(record_, 2, text.TextEnd())) : std::string_view();
}

std::string WGEDIndividual::GetRefNumber() {
  const char* end = context_.Text().TextEnd();
  std::string value;
  if (record_ == nullptr) return value;
  ForEachLevelOneLine(context_.Text(), record_, [&](const char* line) {
    if (LineTag(line, end) != tag::kRefn) return true;
    value = context_.ConvertText(ValueAfterTag(line, end));
    return false;
  });
  return value;
}

std::string WGEDIndividual::GetAFN() {
  return context_.ConvertText(TrimmedValueView(At(summary_.afnValue), context_.Text().TextEnd()));
}

char WGEDIndividual::GetSex() {
  return summary_.sex != 0 ? summary_.sex : 'U';
}

const WDate* WGEDIndividual::GetCreatedDate() {
  return nullptr;
}

const WDate* WGEDIndividual::GetChangedDate() {
  if (!changedDateRead_) {
    changedDateRead_ = true;
    const WGEDTextMMF& text = context_.Text();
    ForEachSubLine(text, At(summary_.change), false, [&](const char* line) {
      if (LineTag(line, text.TextEnd()) != tag::kDate) return true;
      context_.ReadDate(changedDate_, line);
      return false;
    });
  }
  return changedDate_.get();
}

std::unique_ptr<WABSName> WGEDIndividual::GetName() {
  const char* line = At(summary_.name);
  return line != nullptr ? std::make_unique<WGEDName>(context_, line) : nullptr;
}

std::int32_t WGEDIndividual::EventCount(EventKind kind) {
  switch (kind) {
    case EventKind::kBirth:
      return summary_.birth != 0 ? 1 : 0;
    case EventKind::kDeath:
      return summary_.death != 0 ? 1 : 0;
    case EventKind::kChristening:
      return summary_.christening != 0 ? 1 : 0;
    case EventKind::kBurial:
      return summary_.burial != 0 ? 1 : 0;
    case EventKind::kOther:
      return static_cast<std::int32_t>(OtherEvents().size());
    default:
      return 0;
  }
}

const char* WGEDIndividual::EventLine(EventKind kind, std::int32_t n) {
  switch (kind) {
    case EventKind::kBirth:
      return At(summary_.birth);
    case EventKind::kDeath:
      return At(summary_.death);
    case EventKind::kChristening:
      return At(summary_.christening);
    case EventKind::kBurial:
      return At(summary_.burial);
    case EventKind::kOther:
      return n >= 1 && n <= static_cast<std::int32_t>(OtherEvents().size()) ? OtherEvents()[n - 1] : nullptr;
    default:
      return nullptr;
  }
}

std::unique_ptr<WABSVitEvent> WGEDIndividual::GetEvent(EventKind kind, std::int32_t n) {
  const char* line = EventLine(kind, n);
  return line != nullptr ? std::make_unique<WGEDVitEvent>(context_, line) : nullptr;
}

EventTexts WGEDIndividual::EventDateAndPlaceText(EventKind kind, std::int32_t n) {
  EventTexts texts;
  ReadEventTexts(EventLine(kind, n), context_.Collection().Options().GetBool(opt::PlaceCommas), texts);
  return texts;
}

// The event object takes the last DATE and the last PLAC below its line; so does this. Outside
// ANSEL the place is taken as the file holds it, into the room the texts kept.
void WGEDIndividual::ReadEventTexts(const char* line, bool commas, EventTexts& texts) const {
  texts.date.clear();
  texts.place.clear();
  if (line == nullptr) return;
  const WGEDTextMMF& text = context_.Text();
  const char* end = text.TextEnd();
  const char* dateLine = nullptr;
  const char* placeLine = nullptr;
  ForEachSubLine(text, line, true, [&](const char* sub) {
    const std::uint32_t word = LineTag(sub, end);
    if (word == tag::kDate) dateLine = sub;
    if (word == tag::kPlac) placeLine = sub;
    return true;
  });
  texts.date = context_.DateTextAt(dateLine);
  if (placeLine == nullptr) return;
  const std::string_view value = ValueAfterTag(placeLine, end);
  if (context_.Collection().CharacterSet() == kCharSetAnsel) {
    texts.place = WABSPlace::DisplayText(context_.ConvertText(value), commas);
  } else {
    texts.place.assign(WABSPlace::DisplayView(value, commas));
  }
}

// The name's parts are laid out where the file holds them, unless they need converting from ANSEL
// or a capital surname.
void WGEDIndividual::ReadListingTexts(ListingTexts& texts) {
  texts.id.assign(IDView());
  if (context_.Collection().CharacterSet() == kCharSetAnsel || texts.options.capitalSurnames) {
    texts.name = NameWithIDText(texts.id);
  } else if (const char* nameLine = At(summary_.name); nameLine != nullptr) {
    const NamePartViews parts = WGEDName(context_, nameLine).PartViews();
    AssignListingName(texts, &parts);
  } else {
    AssignListingName(texts, nullptr);
  }
  ReadEventTexts(At(summary_.birth), texts.options.placeCommas, texts.birth);
  ReadEventTexts(At(summary_.death), texts.options.placeCommas, texts.death);
}

std::unique_ptr<WABSLDSEvent> WGEDIndividual::GetLDSEvent(EventKind kind) {
  const char* line = nullptr;
  switch (kind) {
    case EventKind::kLdsBaptism:
      line = At(summary_.ldsBaptism);
      break;
    case EventKind::kLdsEndowment:
      line = At(summary_.endowment);
      break;
    case EventKind::kLdsSealingToParents:
      line = At(summary_.sealingToParents);
      break;
    default:
      break;
  }
  return line != nullptr ? std::make_unique<WGEDLDSEvent>(context_, line) : nullptr;
}

std::int32_t WGEDIndividual::ParentFamilyCount() {
  const GedcomIndexes* indexes = context_.LinkedIndexes(kIndividuals, Index());
  return indexes != nullptr && indexes->individualLinks != nullptr
             ? indexes->individualLinks->ParentFamilyCount(Index())
             : 0;
}

std::int32_t WGEDIndividual::GetParentFamily(std::int32_t n) {
  return n >= 1 && n <= ParentFamilyCount() ? context_.Indexes()->individualLinks->GetParentFamily(Index(), n)
                                            : 0;
}

std::optional<ParentFamilyLink> WGEDIndividual::GetParentFamilyEx(std::int32_t n) {
  const std::int32_t family = GetParentFamily(n);
  if (family == 0) return std::nullopt;
  return ParentFamilyLink{family, kFatherRelation, kMotherRelation};
}

std::int32_t WGEDIndividual::SpouseFamilyCount() {
  const GedcomIndexes* indexes = context_.LinkedIndexes(kIndividuals, Index());
  return indexes != nullptr && indexes->individualLinks != nullptr
             ? indexes->individualLinks->SpouseFamilyCount(Index())
             : 0;
}

std::int32_t WGEDIndividual::GetSpouseFamily(std::int32_t n) {
  if (n < 1 || n > SpouseFamilyCount()) return 0;
  return context_.SpouseOrderedIndexes(Index())->individualLinks->GetSpouseFamily(Index(), n);
}

const CitationLines& WGEDIndividual::Citations() {
  if (!citations_) {
    citations_.emplace();
    const char* end = context_.Text().TextEnd();
    if (record_ != nullptr) {
      ForEachLevelOneLine(context_.Text(), record_, [&](const char* line) {
        if (LineTag(line, end) == tag::kSour) citations_->Add(line);
        return true;
      });
    }
  }
  return *citations_;
}

const std::vector<const char*>& WGEDIndividual::OtherEvents() {
  if (!otherEvents_) {
    otherEvents_.emplace();
    const char* end = context_.Text().TextEnd();
    if (record_ != nullptr) {
      ForEachLevelOneLine(context_.Text(), record_, [&](const char* line) {
        if (FindEventTag(LineTag(line, end), kFirstOtherEventRow) != nullptr) {
          otherEvents_->push_back(line);
        }
        return otherEvents_->size() < kMaxOtherEvents;
      });
    }
  }
  return *otherEvents_;
}

std::int32_t WGEDIndividual::CitationCount() {
  return Citations().Count();
}

std::unique_ptr<WABSCitation> WGEDIndividual::GetCitation(std::int32_t n) {
  return WGEDCitation::At(context_, Citations(), n);
}

std::unique_ptr<WABSNote> WGEDIndividual::GetNote() {
  const std::vector<const char*> lines = NoteLines();
  std::unique_ptr<WABSNote> note;
  if (lines.empty()) return note;
  // Each note's walk goes on past the NOTE lines after it, so they are resolved together, in one pass.
  WGEDNote::ResolveEach(context_, lines, [&note](std::size_t i, std::unique_ptr<WABSNote> resolved) {
    if (i == 0) {
      note = std::move(resolved);
    } else if (note != nullptr && resolved != nullptr) {
      note->AddLine(JoinedLines(*resolved));
    }
  });
  return note;
}

std::vector<const char*> WGEDIndividual::NoteLines() const {
  std::vector<const char*> lines;
  const char* first = At(summary_.note);
  if (first == nullptr) return lines;
  lines.push_back(first);
  if ((summary_.flags & kMoreNotes) == 0) return lines;
  const char* end = context_.Text().TextEnd();
  ForEachLevelOneLine(context_.Text(), first, [&](const char* line) {
    if (LineTag(line, end) == tag::kNote) lines.push_back(line);
    return true;
  });
  return lines;
}

std::string WGEDIndividual::GetRecordText() {
  return record_ != nullptr ? context_.ConvertRecordText(context_.Text().GetRecordText(record_))
                            : std::string();
}

}  // namespace kinshelf
