// The JSON objects of a people listing's lines, written through a pointer.
#include "cli/commands/PeopleJson.h"

#include <cstring>
#include <string_view>

#include "cli/JsonWriter.h"
#include "text/Utf8.h"

namespace kinshelf::cli {

namespace {

// The layout of a person's object, each piece ending the value before and opening the next one's
// quote; an event's lead for its date and place joined, then for each alone.
constexpr std::string_view kIndexLead = ",\n  {\n    \"index\": ";
constexpr std::string_view kIdLead = ",\n    \"id\": \"";
constexpr std::string_view kNameLead = "\",\n    \"name\": \"";
struct EventLeads {
  std::string_view joined, date, place;
};
constexpr EventLeads kBirthLeads = {"\",\n    \"birth\": \"", "\",\n    \"birth_date\": \"",
                                    "\",\n    \"birth_place\": \""};
constexpr EventLeads kDeathLeads = {"\",\n    \"death\": \"", "\",\n    \"death_date\": \"",
                                    "\",\n    \"death_place\": \""};
constexpr std::string_view kObjectEnd = "\"\n  }";

// The room an object takes but for its texts; each text takes at most JsonWriter::kMostEscapedPerByte
// bytes per byte, and the events' texts are written twice.
constexpr std::size_t kObjectLayout = [] {
  std::size_t size =
      kIndexLead.size() + kIdLead.size() + kNameLead.size() + kObjectEnd.size();
  for (const EventLeads& leads : {kBirthLeads, kDeathLeads})
    size += leads.joined.size() + kPiecesJoint.size() + leads.date.size() + leads.place.size();
  return size;
}();

char* Put(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// A text as a literal's bytes: copied when the whole line is known to be plain.
template <bool kPlain>
char* PutText(char* out, std::string_view text) {
  return kPlain ? Put(out, text) : JsonWriter::PutEscaped(out, text);
}

// The three members of an event: the date and place joined as JoinedPieces joins them, then each
// alone. Each text is escaped once, and its escaped bytes are copied for the second time.
// The leads are a parameter of the template, so that their copies are of known sizes.
template <bool kPlain, const EventLeads& leads>
char* PutEventMembers(char* out, std::string_view date, std::string_view place) {
  out = Put(out, leads.joined);
  char* const dateStart = out;
  out = PutText<kPlain>(out, date);
  const std::string_view escapedDate(dateStart, static_cast<std::size_t>(out - dateStart));
  if (!date.empty() && !place.empty()) out = Put(out, kPiecesJoint);
  char* const placeStart = out;
  out = PutText<kPlain>(out, place);
  const std::string_view escapedPlace(placeStart, static_cast<std::size_t>(out - placeStart));
  out = Put(out, leads.date);
  out = Put(out, escapedDate);
  out = Put(out, leads.place);
  return Put(out, escapedPlace);
}

// The object of one line, at `out`, which has room for ObjectRoom(line). Most lines are plain
// throughout, which one look at their texts tells (IsPlainLine): they are copied without a look at
// each text.
template <bool kPlain>
char* PutObject(char* out, const ChunkLines& chunk, const ChunkLines::Line& line) {
  out = Put(out, kIndexLead);
  out = Put(out, chunk.Text(line, kIndex));
  out = Put(out, kIdLead);
  out = PutText<kPlain>(out, chunk.Text(line, kId));
  out = Put(out, kNameLead);
  out = PutText<kPlain>(out, chunk.Text(line, kName));
  out =
      PutEventMembers<kPlain, kBirthLeads>(out, chunk.Text(line, kBirthDate), chunk.Text(line, kBirthPlace));
  out =
      PutEventMembers<kPlain, kDeathLeads>(out, chunk.Text(line, kDeathDate), chunk.Text(line, kDeathPlace));
  return Put(out, kObjectEnd);
}

// True when every text of the line goes into a literal as it is. The texts are looked at as one, so
// no text may start with a byte that continues a UTF-8 sequence: the text before could have begun it.
bool IsPlainLine(const ChunkLines& chunk, const ChunkLines::Line& line) {
  if (line.wellFormed) return JsonWriter::IsPlainWellFormed(chunk.LineTexts(line));
  for (std::size_t field = kName; field < kFields; ++field) {
    const std::string_view text = chunk.Text(line, static_cast<Field>(field));
    if (!text.empty() && IsUtf8Continuation(text.front())) return false;
  }
  return JsonWriter::IsPlain(chunk.LineTexts(line));
}

std::size_t ObjectRoom(const ChunkLines& chunk, const ChunkLines::Line& line) {
  return kObjectLayout + 2 * JsonWriter::kMostEscapedPerByte * chunk.LineTexts(line).size();
}

}  // namespace

// The objects are written through a pointer into room kept for the most each may take: appended
// piece by piece to a string, they took a fifth of a large file's listing.
OutputBuffer PeopleJsonObjects(const ChunkLines& chunk) {
  OutputBuffer out(RenderedSize(chunk, 200));
  for (const ChunkLines::Line& line : chunk.lines) {
    char* const room = out.Room(ObjectRoom(chunk, line));
    const bool plain = IsPlainLine(chunk, line);
    out.Commit(plain ? PutObject<true>(room, chunk, line) : PutObject<false>(room, chunk, line));
  }
  return out;
}

}  // namespace kinshelf::cli
