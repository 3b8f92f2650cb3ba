// The notes of a GEDCOM file.
#include "gedcom/WGEDNote.h"

#include <string>
#include <vector>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"
#include "gedcom/WGEDCollection.h"

namespace kinshelf {

using namespace gedcom;

namespace {

void AddItems(const WGEDCollection& collection, WABSNote& note, const std::vector<std::string>& items) {
  for (const std::string& item : items) note.AddLine(collection.ConvertText(item));
}

// The items of the NOTE line at `line`'s own value and continuations.
std::vector<std::string> ItemsOf(const WGEDTextMMF& text, const char* line) {
  return text.GetMultiLineValue(Advance(line, kTagOffset, text.TextEnd()));
}

}  // namespace

std::unique_ptr<WABSNote> WGEDNote::FromRecord(const WGEDCollection& collection, const char* record) {
  const WGEDTextMMF& text = collection.Text();
  const char* end = text.TextEnd();
  const std::string_view id = text.GetXRef(record);
  const char* tagStart =
      id.empty() ? Advance(record, kTagOffset, end) : SkipSpaces(id.data() + id.size() + 1, end);
  auto note = std::make_unique<WABSNote>();
  if (TrimmedValueView(text.SkipToken(tagStart), end).empty()) {
    if (const char* next = text.NextLine(record); next != nullptr && *next != '0')
      AddItems(collection, *note, ItemsOf(text, next));
  } else {
    AddItems(collection, *note, text.GetMultiLineValue(tagStart));
  }
  return note;
}

std::unique_ptr<WABSNote> WGEDNote::Resolve(WGEDCollection& collection, const char* line) {
  if (line == nullptr) return nullptr;
  const WGEDTextMMF& text = collection.Text();
  const std::string_view pointer = text.GetXRef(InLine(line, kLinkPointerOffset, text.TextEnd()));
  if (!pointer.empty()) return collection.GetNote(collection.FindNote(pointer));
  auto note = std::make_unique<WABSNote>();
  AddItems(collection, *note, ItemsOf(text, line));
  const int level = GetLevel(text, line);
  for (const char* p = text.NextLine(line); p != nullptr; p = text.NextLine(p)) {
    const int subLevel = GetLevel(text, p);
    const bool isNote = LineTag(p, text.TextEnd()) == tag::kNote;
    if (subLevel < level || (subLevel == level && !isNote)) break;
    if (subLevel == level + 1 && isNote) AddItems(collection, *note, ItemsOf(text, p));
  }
  return note;
}

}  // namespace kinshelf
