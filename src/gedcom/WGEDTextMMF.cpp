// GEDCOM text over a mapped file.
#include "gedcom/WGEDTextMMF.h"

#include <cstring>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"

namespace kinshelf {

using namespace gedcom;

namespace {

// The rest of the line from p as written, spaces included, up to its line break or a NUL: a CONC
// piece keeps the blank that ends or starts a word.
std::string_view LineRest(const char* p, const char* end) {
  if (p == nullptr || p >= end) return {};
  return std::string_view(p, static_cast<std::size_t>(FindValueEnd(p, end) - p));
}

// Past the tag at p and the one space or TAB after it.
const char* AfterTag(const char* p, const char* end) {
  p = SkipWord(p, end);
  return p < end && IsSeparator(*p) ? p + 1 : p;
}

// The first '@', CR or LF at or after p, or the end.
const char* FindAtOrBreak(const char* p, const char* end) {
  while (p < end && *p != '@' && !IsBreak(*p)) ++p;
  return p;
}

}  // namespace

WGEDTextMMF::WGEDTextMMF(const std::string& fileName) : WTextMMF(fileName) {}

const char* WGEDTextMMF::FindHeader() const {
  const void* zero = std::memchr(TextStart(), '0', static_cast<std::size_t>(TextEnd() - TextStart()));
  return static_cast<const char*>(zero);
}

std::string_view WGEDTextMMF::GetXRef(const char* pos) const {
  if (pos == nullptr) return {};
  const char* end = TextEnd();
  const char* open = FindAtOrBreak(pos, end);
  if (open >= end || *open != '@') return {};
  // The identifier ends at the closing '@', or before at a NUL, found in the same pass: every
  // line of a listing shows one.
  const char* close = open + 1;
  const char* stop = nullptr;
  for (; close < end && *close != '@' && !IsBreak(*close); ++close) {
    if (*close == '\0' && stop == nullptr) stop = close;
  }
  if (close >= end || *close != '@') return {};
  if (stop == nullptr) stop = close;
  return std::string_view(open + 1, static_cast<std::size_t>(stop - open - 1));
}

const char* WGEDTextMMF::SkipToken(const char* pos) const {
  if (pos == nullptr) return nullptr;
  const char* end = TextEnd();
  const char* p = SkipWord(pos, end);
  return ByteAt(p, end) == ' ' ? SkipSpaces(p, end) : p;
}

int WGEDTextMMF::GetRecordType(const char* line) const {
  if (line == nullptr) return kTypeNone;
  const char* end = TextEnd();
  const char* open = FindAtOrBreak(line, end);
  if (open >= end || *open != '@') return kTypeNone;
  const char* close = FindAtOrBreak(open + 1, end);
  if (close >= end || *close != '@') return kTypeNone;
  const char* tagStart = SkipSpaces(close + 1, end);
  if (tagStart >= end || IsBreak(*tagStart)) return kTypeOther;
  if (*tagStart == 'F') return kTypeFamily;
  switch (WordAt(tagStart, 0, end)) {
    case tag::kIndi:
      return kTypeIndividual;
    case tag::kObje:
      return kTypeMedia;
    case tag::kNote:
      return kTypeNote;
    case tag::kRepo:
      return kTypeRepository;
    case tag::kSour:
      return kTypeSource;
    case tag::kSubn:
      return kTypeSubmission;
    default:
      return kTypeOther;
  }
}

std::string WGEDTextMMF::GetRecordText(const char* pos) const {
  if (pos == nullptr) return {};
  const char* next = NextRecord(pos);
  const char* stop = next != nullptr ? next : TextEnd();
  return std::string(pos, static_cast<std::size_t>(stop - pos));
}

void WGEDTextMMF::ReadDate(std::unique_ptr<WDate>& date, const char* line, bool ansel) const {
  if (date != nullptr) return;
  if (std::optional<WDate> read = DateAt(line, ansel)) date = std::make_unique<WDate>(std::move(*read));
}

std::optional<WDate> WGEDTextMMF::DateAt(const char* line, bool ansel) const {
  if (line == nullptr || LineTag(line, TextEnd()) != tag::kDate) return std::nullopt;
  const std::string_view value = TrimmedValueView(ValueStart(line, TextEnd()), TextEnd());
  return ansel ? WDate(value) : WDate::FromConvertedText(value);
}

std::string WGEDTextMMF::DateTextAt(const char* line, bool ansel) const {
  if (ansel) {
    const std::optional<WDate> date = DateAt(line, true);
    return date ? date->DisplayText() : std::string();
  }
  if (line == nullptr || LineTag(line, TextEnd()) != tag::kDate) return std::string();
  return WDate::ConvertedDisplayText(TrimmedValueView(ValueStart(line, TextEnd()), TextEnd()));
}

std::vector<std::string> WGEDTextMMF::GetMultiLineValue(const char* pos) const {
  std::vector<std::string> items;
  if (pos == nullptr) return items;
  const char* end = TextEnd();
  items.emplace_back(LineRest(AfterTag(pos, end), end));
  for (const char* line = NextLine(pos); line != nullptr; line = NextLine(line)) {
    const std::uint32_t lineTag = LineTag(line, end);
    if (lineTag != tag::kConc && lineTag != tag::kCont) break;
    const std::string_view value = LineRest(ValueStart(line, end), end);
    if (lineTag == tag::kConc) {
      items.back() += value;
    } else {
      items.emplace_back(value.empty() ? std::string_view("\r\n") : value);
    }
  }
  return items;
}

}  // namespace kinshelf
