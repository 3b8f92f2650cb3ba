// The forward passes that open a GEDCOM file.
#include "gedcom/GedcomPasses.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"
#include "gedcom/LinkApplier.h"
#include "gedcom/LinkLines.h"
#include "model/CancelFlag.h"
#include "platform/OrderedChunks.h"
#include "platform/ProcessEvents.h"

namespace kinshelf::gedcom {

namespace {

bool IsTrailer(const char* record, const char* end) {
  return WordAt(record, 0, end) == kTrailerWord;
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

// Calls visit(record, identifier, type) for every record after the header up to the trailer that
// has an identifier and a type, in file order, until it returns false.
template <typename Visit>
void ForEachIndexedRecord(const WGEDTextMMF& text, const char* header, Visit visit) {
  const char* end = text.TextEnd();
  for (const char* record = text.NextRecord(header); record != nullptr && !IsTrailer(record, end);
       record = text.NextRecord(record)) {
    const std::string_view identifier = RecordIdentifier(text, record);
    const int type = text.GetRecordType(record);
    if (identifier.empty() || type == kTypeNone) continue;
    if (!visit(record, identifier, type)) return;
  }
}

// Records are scanned for links in chunks of this many, individuals first, on every core.
constexpr std::int32_t kLinkChunk = 8192;
constexpr unsigned kMostLinkThreads = 4;
constexpr std::size_t kLinksPerRecord = 4;

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

}  // namespace

bool IndexRecords(const WGEDTextMMF& text, GedcomIndexes& indexes) {
  indexes.header = text.FindHeader();
  std::int32_t counted = 0;
  ForEachIndexedRecord(text, indexes.header, [&](const char* record, std::string_view identifier, int type) {
    if (CancelRequested()) return false;
    LetEventsThrough(++counted);
    AddRecord(indexes, type, record - text.TextStart(), identifier);
    return true;
  });
  // The keys are sorted by the first lookup that needs the order: numbered ones never do.
  return !CancelRequested();
}

void ForEachIndividualRecord(const WGEDTextMMF& text, const std::function<bool(const char*)>& visit,
                             const std::function<bool()>& keepGoing) {
  ForEachIndexedRecord(text, text.FindHeader(), [&](const char* record, std::string_view, int type) {
    return keepGoing() && (type != kTypeIndividual || visit(record));
  });
}

bool LinkFamilies(const WGEDTextMMF& text, GedcomIndexes& indexes) {
  BuiltLinks& built = indexes.builtLinks;
  if (built.None()) LinkApplier::MakeStores(indexes);
  const std::int32_t individualCount = indexes.Count(kIndividuals);
  const std::int32_t familyCount = indexes.Count(kFamilies);
  const std::int32_t individualChunks = (individualCount + kLinkChunk - 1) / kLinkChunk;
  const std::int32_t chunks = individualChunks + (familyCount + kLinkChunk - 1) / kLinkChunk;
  // Settled here, before the workers read lines.
  text.IsLFText();
  LinkApplier applier(text, indexes, false);
  const unsigned threads = std::min(std::thread::hardware_concurrency(), kMostLinkThreads);
  const auto find = [&](std::size_t chunk) {
    return FindChunkLinks(text, indexes, static_cast<std::int32_t>(chunk), individualChunks);
  };
  const auto apply = [&](const std::vector<FoundLink>& found) {
    for (const FoundLink& link : found) applier.Apply(link);
  };
  try {
    platform::OrderedChunks<std::vector<FoundLink>>::Run(static_cast<std::size_t>(chunks), threads, find,
                                                         apply);
  } catch (...) {
    built.Clear();
    throw;
  }
  if (!CancelRequested()) return true;
  // The links are partial now: the next pass starts over from nothing.
  built.Clear();
  return false;
}

int DetectCharSet(const WGEDTextMMF& text, const char* header) {
  const char* end = text.TextEnd();
  int charSet = kCharSetOther;
  if (header == nullptr) return charSet;
  ForEachLevelOneLine(text, header, [&](const char* line) {
    if (LineTag(line, end) != tag::kChar) return true;
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
