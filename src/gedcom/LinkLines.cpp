// The link lines of GEDCOM records.
#include "gedcom/LinkLines.h"

#include <cstring>

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomScan.h"

namespace kinshelf::gedcom {

namespace {

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

void AddFound(std::vector<FoundLink>& found, const WGEDTextMMF& text, const WXREFIndex& keys,
              const char* line, std::int32_t owner, LinkKind kind) {
  const std::int32_t target = keys.FindNumberedKey(text.GetXRef(ValueStart(line, text.TextEnd())));
  if (target != 0) found.push_back({line, owner, target, kind});
}

}  // namespace

std::string_view RecordIdentifier(const WGEDTextMMF& text, const char* record) {
  const char* from = Advance(record, 2, text.TextEnd());
  if (FindBreak(record, from) < from) return {};
  return text.GetXRef(from);
}

void FindIndividualLinks(const WGEDTextMMF& text, const GedcomIndexes& indexes, std::int32_t individual,
                         std::vector<FoundLink>& found) {
  const char* end = text.TextEnd();
  const char* record = text.TextStart() + indexes.OffsetOf(kIndividuals, individual);
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
  const char* record = text.TextStart() + indexes.OffsetOf(kFamilies, family);
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

std::int32_t TargetOf(const WGEDTextMMF& text, GedcomIndexes& indexes, const FoundLink& link) {
  if (link.target >= 0) return link.target;
  return indexes.Keys(OfIndividual(link.kind) ? kFamilies : kIndividuals)
      .FindKey(text.GetXRef(ValueStart(link.line, text.TextEnd())));
}

}  // namespace kinshelf::gedcom
