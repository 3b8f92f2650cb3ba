// The forward passes that open a GEDCOM file.
#include "gedcom/GedcomPasses.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"
#include "gedcom/XRefMentions.h"
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

// The record a found link names, looked up by key when the numbered tables could not tell; 0 when
// it names none.
std::int32_t TargetOf(const WGEDTextMMF& text, GedcomIndexes& indexes, const FoundLink& link) {
  if (link.target >= 0) return link.target;
  const bool ofIndividual = link.kind == LinkKind::kParentFamily || link.kind == LinkKind::kSpouseFamily;
  return indexes.Keys(ofIndividual ? kFamilies : kIndividuals)
      .FindKey(text.GetXRef(ValueStart(link.line, text.TextEnd())));
}

// Which records' links a pass builds: every record's but those built before it, or only those
// being built now.
class LinkScope {
 public:
  LinkScope(const BuiltLinks& built, bool onlyBuilding) : built_(built), onlyBuilding_(onlyBuilding) {}

  bool Builds(Category category, std::int32_t record) const {
    if (built_.None()) return true;
    const BuiltLinks::State state = built_.StateOf(category, record);
    return onlyBuilding_ ? state == BuiltLinks::State::kBuilding : state != BuiltLinks::State::kBuilt;
  }

 private:
  const BuiltLinks& built_;
  bool onlyBuilding_;
};

// Applies found links in the order of the records and their lines, so that the links come out as
// one forward walk would make them. A link changes the entries of its two records, each only when
// the scope builds it. Keeps the order of the next child of the family at hand.
class LinkApplier {
 public:
  LinkApplier(const WGEDTextMMF& text, GedcomIndexes& indexes, LinkScope scope)
      : text_(text), indexes_(indexes), scope_(scope) {}

  void Apply(const FoundLink& link) {
    const std::int32_t target = TargetOf(text_, indexes_, link);
    if (target == 0) return;
    const bool ofIndividual = link.kind == LinkKind::kParentFamily || link.kind == LinkKind::kSpouseFamily;
    const bool owner = scope_.Builds(ofIndividual ? kIndividuals : kFamilies, link.owner);
    const bool other = scope_.Builds(ofIndividual ? kFamilies : kIndividuals, target);
    WIndLinks& people = *indexes_.individualLinks;
    WFamLinks& families = *indexes_.familyLinks;
    switch (link.kind) {
      case LinkKind::kParentFamily:
        if (owner) people.AddParentFamily(link.owner, false, kMotherRelation, kFatherRelation, target);
        if (other) families.AddChild(target, link.owner, 0);
        return;
      case LinkKind::kSpouseFamily:
        if (owner) people.AddSpouseFamily(link.owner, true, target);
        return;
      case LinkKind::kChild: {
        const std::int32_t order = NextChildOrder(link.owner);
        if (owner) families.AddChild(link.owner, target, order);
        if (other) people.AddParentFamily(target, false, kMotherRelation, kFatherRelation, link.owner);
        return;
      }
      case LinkKind::kHusband:
      case LinkKind::kWife:
        if (owner && link.kind == LinkKind::kHusband) families.SetHusband(link.owner, target);
        if (owner && link.kind == LinkKind::kWife) families.SetWife(link.owner, target);
        if (other) people.AddSpouseFamily(target, false, link.owner);
        return;
    }
  }

 private:
  std::int32_t NextChildOrder(std::int32_t family) {
    if (family != orderFamily_) {
      orderFamily_ = family;
      nextOrder_ = 0;
    }
    return nextOrder_++;
  }

  const WGEDTextMMF& text_;
  GedcomIndexes& indexes_;
  LinkScope scope_;
  std::int32_t orderFamily_ = 0;
  std::int32_t nextOrder_ = 0;
};

void MakeLinkStores(GedcomIndexes& indexes) {
  indexes.individualLinks = std::make_unique<WIndLinks>(indexes.Count(kIndividuals));
  indexes.familyLinks = std::make_unique<WFamLinks>(indexes.Count(kFamilies));
}

// An individual or a family.
struct RecordRef {
  Category category;
  std::int32_t record;
  auto operator<=>(const RecordRef&) const = default;
};

std::vector<FoundLink> LinksOf(const WGEDTextMMF& text, const GedcomIndexes& indexes, RecordRef ref) {
  std::vector<FoundLink> found;
  if (ref.category == kIndividuals) {
    FindIndividualLinks(text, indexes, ref.record, found);
  } else {
    FindFamilyLinks(text, indexes, ref.record, found);
  }
  return found;
}

// A page reads a record, its families or members, theirs, and theirs again: so many steps of the
// records' own link lines are built together, up to so many records.
constexpr int kNeighbourSteps = 3;
constexpr std::size_t kMostNeighbours = 64;

// The records the record's own link lines lead to, step by step, the record first.
std::vector<RecordRef> Neighbourhood(const WGEDTextMMF& text, GedcomIndexes& indexes, RecordRef start) {
  std::vector<RecordRef> reached{start};
  std::size_t stepFrom = 0;
  for (int step = 0; step < kNeighbourSteps; ++step) {
    const std::size_t stepTo = reached.size();
    for (std::size_t k = stepFrom; k < stepTo; ++k) {
      const Category other = reached[k].category == kIndividuals ? kFamilies : kIndividuals;
      for (const FoundLink& link : LinksOf(text, indexes, reached[k])) {
        const RecordRef next{other, TargetOf(text, indexes, link)};
        if (next.record == 0 || std::find(reached.begin(), reached.end(), next) != reached.end()) continue;
        if (reached.size() == kMostNeighbours) return reached;
        reached.push_back(next);
      }
    }
    stepFrom = stepTo;
  }
  return reached;
}

std::int64_t OffsetOf(const GedcomIndexes& indexes, RecordRef ref) {
  return ref.category == kIndividuals ? indexes.individuals->GetOffset(ref.record)
                                      : indexes.Offsets(kFamilies).GetOffset(ref.record);
}

// The last record of the category that starts at or before the offset, 0 for none: the only one
// whose lines can hold it.
std::int32_t RecordAtOrBefore(const GedcomIndexes& indexes, Category category, std::int64_t offset) {
  std::int32_t low = 0;
  std::int32_t high = indexes.Count(category);
  while (low < high) {
    const std::int32_t middle = low + (high - low + 1) / 2;
    if (OffsetOf(indexes, {category, middle}) <= offset) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

// The records being built and every record that mentions one of them, individuals first, each in
// record order: the order of the full pass.
std::vector<RecordRef> RecordsToRead(const WGEDTextMMF& text, const GedcomIndexes& indexes,
                                     std::vector<RecordRef> building) {
  std::vector<std::string_view> identifiers;
  for (const RecordRef ref : building) {
    const std::string_view identifier = RecordIdentifier(text, text.TextStart() + OffsetOf(indexes, ref));
    if (!identifier.empty()) identifiers.push_back(identifier);
  }
  std::vector<RecordRef> records = std::move(building);
  for (const char* mention : FindXRefMentions(text, identifiers)) {
    for (const Category category : {kIndividuals, kFamilies}) {
      const std::int32_t record = RecordAtOrBefore(indexes, category, mention - text.TextStart());
      if (record != 0) records.push_back({category, record});
    }
  }
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  return records;
}

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
  BuiltLinks& built = indexes.builtLinks;
  if (built.None()) MakeLinkStores(indexes);
  const std::int32_t individualCount = indexes.Count(kIndividuals);
  const std::int32_t familyCount = indexes.Count(kFamilies);
  const std::int32_t individualChunks = (individualCount + kLinkChunk - 1) / kLinkChunk;
  const std::int32_t chunks = individualChunks + (familyCount + kLinkChunk - 1) / kLinkChunk;
  // Settled here, before the workers read lines.
  text.IsLFText();
  LinkApplier applier(text, indexes, LinkScope(built, false));
  const unsigned threads = std::min(std::thread::hardware_concurrency(), kMostLinkThreads);
  const auto find = [&](std::size_t chunk) {
    return FindChunkLinks(text, indexes, static_cast<std::int32_t>(chunk), individualChunks);
  };
  platform::OrderedChunks<std::vector<FoundLink>>::Run(static_cast<std::size_t>(chunks), threads, find,
                                                       [&](const std::vector<FoundLink>& found) {
                                                         for (const FoundLink& link : found)
                                                           applier.Apply(link);
                                                       });
  if (!CancelRequested()) return true;
  // The links are partial now: the next pass starts over from nothing.
  built.Clear();
  return false;
}

bool LinkRecordsAround(const WGEDTextMMF& text, GedcomIndexes& indexes, Category category, std::int32_t record) {
  BuiltLinks& built = indexes.builtLinks;
  if (built.None()) MakeLinkStores(indexes);
  built.Reserve(indexes.Count(kIndividuals), indexes.Count(kFamilies));
  text.IsLFText();
  std::vector<RecordRef> building = Neighbourhood(text, indexes, {category, record});
  std::erase_if(building, [&](RecordRef ref) {
    return built.StateOf(ref.category, ref.record) == BuiltLinks::State::kBuilt;
  });
  const std::vector<RecordRef> records = RecordsToRead(text, indexes, building);
  if (CancelRequested()) return false;
  for (const RecordRef ref : building) built.Set(ref.category, ref.record, BuiltLinks::State::kBuilding);
  LinkApplier applier(text, indexes, LinkScope(built, true));
  for (const RecordRef ref : records) {
    for (const FoundLink& link : LinksOf(text, indexes, ref)) applier.Apply(link);
  }
  for (const RecordRef ref : building) built.Set(ref.category, ref.record, BuiltLinks::State::kBuilt);
  return true;
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
