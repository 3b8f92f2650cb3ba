// The forward passes that open a GEDCOM file.
#include "gedcom/GedcomPasses.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"
#include "model/CancelFlag.h"
#include "platform/OrderedChunks.h"
#include "platform/ProcessEvents.h"

namespace kinshelf::gedcom {

namespace {

bool IsTrailer(const char* record, const char* end) {
  return WordAt(record, 0, end) == kTrailerWord;
}

// The identifier of a record line, looked for from its third byte on.
// A record line as short as "0" has none, even when the next line has one.
std::string_view RecordIdentifier(const WGEDTextMMF& text, const char* record) {
  const char* from = Advance(record, 2, text.TextEnd());
  if (FindBreak(record, from) < from) return {};
  return text.GetXRef(from);
}

void LetEventsThrough(std::int32_t counted) {
  if (counted % kRecordsPerEventCheck == 1) platform::ProcessPendingEvents();
}

void AddRecord(GedcomIndexes& indexes, int type, std::int64_t offset, std::string_view identifier) {
  const Category category = kCategoryOfType[static_cast<std::size_t>(type)];
  if (category == kIndividuals) {
    indexes.individuals->AddIndividual(offset);
  } else {
    indexes.Offsets(category).AddOffset(offset);
  }
  indexes.Keys(category).AddKey(identifier);
}

// Calls visit(line) for the level-1 lines of the record at `record` that hold an '@', in order:
// the only lines that can link. A record without indented lines is searched for '@' directly; one
// with them is walked line by line, since an indented level-0 line ends it early.
template <typename Visit>
void ForEachLinkLine(const WGEDTextMMF& text, const char* record, Visit&& visit) {
  const RecordExtent extent = ScanRecord(record, text.TextEnd());
  const char* stop = extent.stop;
  if (extent.indented) {
    ForEachRecordLine(text, record, [&](const char* line) {
      if (*line == '1') visit(line);
      return true;
    });
    return;
  }
  for (const char* p = FindBreak(record, stop); p < stop;) {
    const auto* at = static_cast<const char*>(std::memchr(p, '@', static_cast<std::size_t>(stop - p)));
    if (at == nullptr) return;
    const char* line = at;
    while (!IsBreak(line[-1])) --line;
    if (*line == '1') visit(line);
    p = FindBreak(at, stop);
  }
}

bool IsLongLink(const char* line, const char* end, std::uint32_t tail) {
  return WordAt(TagStart(line, end), 4, end) == tail;
}

// A link line found by a worker: what it links, and the record it names when the numbered tables
// could tell (-1 when only the key search can, which is left to the thread that applies it).
enum class LinkKind : std::uint8_t { kParentFamily, kSpouseFamily, kHusband, kWife, kChild };
struct FoundLink {
  const char* line;
  std::int32_t owner;
  std::int32_t target;
  LinkKind kind;
};

// Records are scanned for links in chunks of this many, individuals first, on every core.
constexpr std::int32_t kLinkChunk = 8192;
constexpr unsigned kMostLinkThreads = 4;
constexpr std::size_t kLinksPerRecord = 4;

void AddFound(std::vector<FoundLink>& found, const WGEDTextMMF& text, const WXREFIndex& keys,
              const char* line, std::int32_t owner, LinkKind kind) {
  const std::int32_t target = keys.FindNumberedKey(text.GetXRef(ValueStart(line, text.TextEnd())));
  if (target != 0) found.push_back({line, owner, target, kind});
}

void FindIndividualLinks(const WGEDTextMMF& text, const GedcomIndexes& indexes, std::int32_t individual,
                         std::vector<FoundLink>& found) {
  const char* end = text.TextEnd();
  const char* record = text.TextStart() + indexes.individuals->GetOffset(individual);
  const WXREFIndex& families = indexes.Keys(kFamilies);
  ForEachLinkLine(text, record, [&](const char* line) {
    const std::uint32_t lineTag = LineTag(line, end);
    const bool isFami = lineTag == tag::kFami;
    if (lineTag == tag::kFamc || (isFami && IsLongLink(line, end, tag::kLyC))) {
      AddFound(found, text, families, line, individual, LinkKind::kParentFamily);
    } else if (lineTag == tag::kFams || (isFami && IsLongLink(line, end, tag::kLyS))) {
      AddFound(found, text, families, line, individual, LinkKind::kSpouseFamily);
    }
  });
}

void FindFamilyLinks(const WGEDTextMMF& text, const GedcomIndexes& indexes, std::int32_t family,
                     std::vector<FoundLink>& found) {
  const char* end = text.TextEnd();
  const char* record = text.TextStart() + indexes.Offsets(kFamilies).GetOffset(family);
  const WXREFIndex& individuals = indexes.Keys(kIndividuals);
  ForEachLinkLine(text, record, [&](const char* line) {
    switch (LineTag(line, end)) {
      case tag::kHusb:
        return AddFound(found, text, individuals, line, family, LinkKind::kHusband);
      case tag::kWife:
        return AddFound(found, text, individuals, line, family, LinkKind::kWife);
      case tag::kChil:
        return AddFound(found, text, individuals, line, family, LinkKind::kChild);
      default:
        return;
    }
  });
}

// The links of chunk `chunk` of the records: the individuals' chunks come first, then the families'.
std::vector<FoundLink> FindChunkLinks(const WGEDTextMMF& text, const GedcomIndexes& indexes,
                                      std::int32_t chunk, std::int32_t individualChunks) {
  const bool individuals = chunk < individualChunks;
  const std::int32_t first = (individuals ? chunk : chunk - individualChunks) * kLinkChunk + 1;
  const std::int32_t last =
      std::min(indexes.Count(individuals ? kIndividuals : kFamilies), first + kLinkChunk - 1);
  std::vector<FoundLink> found;
  // Room for the usual few links per record, so that the list is seldom copied as it grows.
  found.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)) * kLinksPerRecord);
  for (std::int32_t record = first; record <= last && !CancelRequested(); ++record) {
    if (individuals) {
      FindIndividualLinks(text, indexes, record, found);
    } else {
      FindFamilyLinks(text, indexes, record, found);
    }
  }
  return found;
}

// Applies found links in the order of the records and their lines, so that the links come out as
// one forward walk would make them. Keeps the order of the next child of the family at hand.
class LinkApplier {
 public:
  LinkApplier(const WGEDTextMMF& text, GedcomIndexes& indexes) : text_(text), indexes_(indexes) {}

  void Apply(const FoundLink& link) {
    const bool ofIndividual = link.kind == LinkKind::kParentFamily || link.kind == LinkKind::kSpouseFamily;
    const std::int32_t target = link.target >= 0
                                    ? link.target
                                    : indexes_.Keys(ofIndividual ? kFamilies : kIndividuals)
                                          .FindKey(text_.GetXRef(ValueStart(link.line, text_.TextEnd())));
    if (target == 0) return;
    WIndLinks& people = *indexes_.individualLinks;
    WFamLinks& families = *indexes_.familyLinks;
    switch (link.kind) {
      case LinkKind::kParentFamily:
        people.AddParentFamily(link.owner, false, kMotherRelation, kFatherRelation, target);
        families.AddChild(target, link.owner, 0);
        return;
      case LinkKind::kSpouseFamily:
        people.AddSpouseFamily(link.owner, true, target);
        return;
      case LinkKind::kChild:
        if (link.owner != orderFamily_) {
          orderFamily_ = link.owner;
          nextOrder_ = 0;
        }
        families.AddChild(link.owner, target, nextOrder_++);
        people.AddParentFamily(target, false, kMotherRelation, kFatherRelation, link.owner);
        return;
      case LinkKind::kHusband:
      case LinkKind::kWife:
        if (link.kind == LinkKind::kHusband) {
          families.SetHusband(link.owner, target);
        } else {
          families.SetWife(link.owner, target);
        }
        people.AddSpouseFamily(target, false, link.owner);
        return;
    }
  }

 private:
  const WGEDTextMMF& text_;
  GedcomIndexes& indexes_;
  std::int32_t orderFamily_ = 0;
  std::int32_t nextOrder_ = 0;
};

}  // namespace

bool IndexRecords(const WGEDTextMMF& text, GedcomIndexes& indexes) {
  const char* end = text.TextEnd();
  indexes.header = text.FindHeader();
  std::int32_t counted = 0;
  for (const char* record = text.NextRecord(indexes.header); record != nullptr && !IsTrailer(record, end);
       record = text.NextRecord(record)) {
    if (CancelRequested()) return false;
    const std::string_view identifier = RecordIdentifier(text, record);
    const int type = text.GetRecordType(record);
    if (identifier.empty() || type == kTypeNone) continue;
    LetEventsThrough(++counted);
    AddRecord(indexes, type, record - text.TextStart(), identifier);
  }
  // The keys are sorted by the first lookup that needs the order: numbered ones never do.
  return !CancelRequested();
}

bool LinkFamilies(const WGEDTextMMF& text, GedcomIndexes& indexes) {
  const std::int32_t individualCount = indexes.Count(kIndividuals);
  const std::int32_t familyCount = indexes.Count(kFamilies);
  indexes.individualLinks = std::make_unique<WIndLinks>(individualCount);
  indexes.familyLinks = std::make_unique<WFamLinks>(familyCount);
  const std::int32_t individualChunks = (individualCount + kLinkChunk - 1) / kLinkChunk;
  const std::int32_t chunks = individualChunks + (familyCount + kLinkChunk - 1) / kLinkChunk;
  // Settled here, before the workers read lines.
  text.IsLFText();
  LinkApplier applier(text, indexes);
  const unsigned threads = std::min(std::thread::hardware_concurrency(), kMostLinkThreads);
  const auto find = [&](std::size_t chunk) {
    return FindChunkLinks(text, indexes, static_cast<std::int32_t>(chunk), individualChunks);
  };
  platform::OrderedChunks<std::vector<FoundLink>>::Run(static_cast<std::size_t>(chunks), threads, find,
                                                       [&](const std::vector<FoundLink>& found) {
                                                         for (const FoundLink& link : found)
                                                           applier.Apply(link);
                                                       });
  return !CancelRequested();
}

int DetectCharSet(const WGEDTextMMF& text, const char* header) {
  const char* end = text.TextEnd();
  int charSet = kCharSetOther;
  if (header == nullptr) return charSet;
  ForEachRecordLine(text, header, [&](const char* line) {
    if (*line != '1' || LineTag(line, end) != tag::kChar) return true;
    charSet = CharSetOfValue(TrimmedValueView(ValueStart(line, end), end));
    return false;
  });
  return charSet;
}

std::int32_t CountIndividualRecords(const WGEDTextMMF& text) {
  const char* end = text.TextEnd();
  std::int32_t counted = 0;
  std::int32_t individuals = 0;
  for (const char* record = text.NextRecord(text.FindHeader()); record != nullptr && !IsTrailer(record, end);
       record = text.NextRecord(record)) {
    if (CancelRequested()) break;
    if (RecordIdentifier(text, record).empty()) continue;
    if (text.GetRecordType(record) == kTypeIndividual) ++individuals;
    if (++counted % kRecordsPerEventCheck == 0) platform::ProcessPendingEvents();
  }
  return individuals;
}

}  // namespace kinshelf::gedcom
