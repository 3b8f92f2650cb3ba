// The notes of a GEDCOM file.
#include "gedcom/WGEDNote.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"

namespace kinshelf {

using namespace gedcom;

namespace {

void AddItems(const GedcomRecordContext& context, WABSNote& note, const std::vector<std::string>& items) {
  for (const std::string& item : items) note.AddLine(context.ConvertText(item));
}

// The items of the NOTE line at `line`'s own value and continuations.
std::vector<std::string> ItemsOf(const WGEDTextMMF& text, const char* line) {
  return text.GetMultiLineValue(TagStart(line, text.TextEnd()));
}

// The identifier a note line's value points to; empty for an inline note. Only a value that is one
// @ID@ as a whole points: a note that mentions an e-mail address or two is text.
std::string_view PointerOf(const WGEDTextMMF& text, const char* line) {
  const std::string_view value = ValueAfterTag(line, text.TextEnd());
  if (value.size() < 3 || value.front() != '@' || value.back() != '@') return {};
  const std::string_view identifier = value.substr(1, value.size() - 2);
  return identifier.find('@') == std::string_view::npos ? identifier : std::string_view();
}

using NoteLines = std::span<const char* const>;

// The walks of the inline notes met so far, each taking the NOTE lines one level below its own
// until a line ends it. Walks open at the same level end at the same line and take the same lines,
// so they share one list: a walk is that list from the length it had when the walk opened. This
// keeps a line's cost independent of the number of walks it belongs to.
class NoteWalks {
 public:
  // The next line of the text: ends the walks of a deeper level and, unless it is a NOTE line, those
  // of its own level; a NOTE line goes to the walks one level above it.
  void Take(int level, bool isNote, const char* line) {
    while (!open_.empty() && Ends(groups_[open_.back()].level, level, isNote)) open_.pop_back();
    if (!isNote) return;
    for (auto group = open_.rbegin(); group != open_.rend(); ++group) {
      if (std::int64_t{groups_[*group].level} + 1 != level) continue;
      groups_[*group].lines.push_back(line);
      return;
    }
  }
  // Opens a walk at `level` after the line that Take was just given; returns its number.
  std::size_t Open(int level) {
    if (open_.empty() || groups_[open_.back()].level != level) {
      open_.push_back(groups_.size());
      groups_.push_back({level, {}});
    }
    walks_.push_back({open_.back(), groups_[open_.back()].lines.size()});
    return walks_.size() - 1;
  }
  bool AnyOpen() const { return !open_.empty(); }
  // The deeper NOTE lines that walk `walk` took, in file order.
  NoteLines LinesOf(std::size_t walk) const {
    const Walk& taken = walks_[walk];
    return NoteLines(groups_[taken.group].lines).subspan(taken.start);
  }

 private:
  struct Group {
    int level;
    std::vector<const char*> lines;
  };
  struct Walk {
    std::size_t group;
    std::size_t start;
  };

  static bool Ends(int walkLevel, int level, bool isNote) {
    return level < walkLevel || (level == walkLevel && !isNote);
  }

  std::vector<Group> groups_;
  std::vector<std::size_t> open_;  // the groups whose walks go on, by rising level, one per level
  std::vector<Walk> walks_;
};

std::unique_ptr<WABSNote> InlineNote(const GedcomRecordContext& context, const char* line,
                                     NoteLines deeperNotes) {
  auto note = std::make_unique<WABSNote>();
  AddItems(context, *note, ItemsOf(context.Text(), line));
  for (const char* deeper : deeperNotes) AddItems(context, *note, ItemsOf(context.Text(), deeper));
  return note;
}

// Reads the text once from the first of `lines` until every line is met and every walk has ended;
// walkOf[i] becomes the walk of lines[i] when that is an inline note.
void RunWalks(const WGEDTextMMF& text, const std::vector<const char*>& lines, NoteWalks& walks,
              std::vector<std::optional<std::size_t>>& walkOf) {
  std::size_t next = 0;
  for (const char* p = lines.empty() ? nullptr : lines.front();
       p != nullptr && (next < lines.size() || walks.AnyOpen()); p = text.NextLine(p)) {
    const int level = GetLevel(text, p);
    walks.Take(level, LineTag(p, text.TextEnd()) == tag::kNote, p);
    for (; next < lines.size() && lines[next] == p; ++next) {
      if (PointerOf(text, p).empty()) walkOf[next] = walks.Open(level);
    }
  }
}

}  // namespace

std::unique_ptr<WABSNote> WGEDNote::FromRecord(const GedcomRecordContext& context, const char* record) {
  const WGEDTextMMF& text = context.Text();
  const char* end = text.TextEnd();
  const std::string_view id = text.GetXRef(record);
  const char* tagStart = id.empty() ? TagStart(record, end) : SkipSeparators(id.data() + id.size() + 1, end);
  auto note = std::make_unique<WABSNote>();
  if (TrimmedValueView(text.SkipToken(tagStart), end).empty()) {
    if (const char* next = text.NextLine(record); next != nullptr && *next != '0')
      AddItems(context, *note, ItemsOf(text, next));
  } else {
    AddItems(context, *note, text.GetMultiLineValue(tagStart));
  }
  return note;
}

std::unique_ptr<WABSNote> WGEDNote::Resolve(const GedcomRecordContext& context, const char* line) {
  std::unique_ptr<WABSNote> note;
  if (line == nullptr) return note;
  ResolveEach(context, {line},
              [&note](std::size_t, std::unique_ptr<WABSNote> resolved) { note = std::move(resolved); });
  return note;
}

void WGEDNote::ResolveEach(const GedcomRecordContext& context, const std::vector<const char*>& lines,
                           const NoteVisit& visit) {
  const WGEDTextMMF& text = context.Text();
  NoteWalks walks;
  std::vector<std::optional<std::size_t>> walkOf(lines.size());
  RunWalks(text, lines, walks, walkOf);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view pointer = PointerOf(text, lines[i]);
    if (!pointer.empty()) {
      WABSCollection& collection = context.Collection();
      visit(i, collection.GetNote(collection.FindNote(pointer)));
    } else {
      visit(i, InlineNote(context, lines[i], walkOf[i] ? walks.LinesOf(*walkOf[i]) : NoteLines()));
    }
  }
}

}  // namespace kinshelf
