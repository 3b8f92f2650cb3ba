// The forward passes that open a GEDCOM file.
#include "gedcom/GedcomPasses.h"

#include <cstring>

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"
#include "model/CancelFlag.h"
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

// The index of the record the pointer in the value of `line` names, or 0.
std::int32_t ResolveLink(const WGEDTextMMF& text, const char* line, WXREFIndex& keys) {
  return keys.FindKey(text.GetXRef(ValueStart(line, text.TextEnd())));
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

void LinkIndividual(const WGEDTextMMF& text, GedcomIndexes& indexes, std::int32_t individual) {
  const char* end = text.TextEnd();
  const char* record = text.TextStart() + indexes.individuals->GetOffset(individual);
  WXREFIndex& families = indexes.Keys(kFamilies);
  ForEachLinkLine(text, record, [&](const char* line) {
    const std::uint32_t lineTag = LineTag(line, end);
    const bool isFami = lineTag == tag::kFami;
    if (lineTag == tag::kFamc || (isFami && IsLongLink(line, end, tag::kLyC))) {
      if (const std::int32_t family = ResolveLink(text, line, families)) {
        indexes.individualLinks->AddParentFamily(individual, false, kMotherRelation, kFatherRelation, family);
        indexes.familyLinks->AddChild(family, individual, 0);
      }
    } else if (lineTag == tag::kFams || (isFami && IsLongLink(line, end, tag::kLyS))) {
      if (const std::int32_t family = ResolveLink(text, line, families)) {
        indexes.individualLinks->AddSpouseFamily(individual, true, family);
      }
    }
  });
}

void LinkFamily(const WGEDTextMMF& text, GedcomIndexes& indexes, std::int32_t family) {
  const char* end = text.TextEnd();
  const char* record = text.TextStart() + indexes.Offsets(kFamilies).GetOffset(family);
  WXREFIndex& individuals = indexes.Keys(kIndividuals);
  std::int32_t childOrder = 0;
  ForEachLinkLine(text, record, [&](const char* line) {
    const std::uint32_t lineTag = LineTag(line, end);
    if (lineTag != tag::kHusb && lineTag != tag::kWife && lineTag != tag::kChil) return;
    const std::int32_t individual = ResolveLink(text, line, individuals);
    if (individual == 0) return;
    if (lineTag == tag::kChil) {
      indexes.familyLinks->AddChild(family, individual, childOrder++);
      indexes.individualLinks->AddParentFamily(individual, false, kMotherRelation, kFatherRelation, family);
      return;
    }
    if (lineTag == tag::kHusb) {
      indexes.familyLinks->SetHusband(family, individual);
    } else {
      indexes.familyLinks->SetWife(family, individual);
    }
    indexes.individualLinks->AddSpouseFamily(individual, false, family);
  });
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
  const std::int32_t individualCount = indexes.Count(kIndividuals);
  const std::int32_t familyCount = indexes.Count(kFamilies);
  indexes.individualLinks = std::make_unique<WIndLinks>(individualCount);
  indexes.familyLinks = std::make_unique<WFamLinks>(familyCount);
  for (std::int32_t individual = 1; individual <= individualCount; ++individual) {
    if (CancelRequested()) return false;
    LinkIndividual(text, indexes, individual);
  }
  for (std::int32_t family = 1; family <= familyCount; ++family) {
    if (CancelRequested()) return false;
    LinkFamily(text, indexes, family);
  }
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
