// A GEDCOM source record or inline source.
#include "gedcom/WGEDSource.h"

#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDNote.h"

namespace kinshelf {

using namespace gedcom;

WGEDSource::WGEDSource(const GedcomRecordContext& context, const char* position, bool isRecord)
    : context_(context), position_(position), isRecord_(isRecord) {
  if (isRecord_) {
    ReadRecordLines();
  } else {
    ReadInlineLines();
  }
}

void WGEDSource::ReadRecordLines() {
  const char* end = context_.Text().TextEnd();
  ForEachLevelOneLine(context_.Text(), position_, [&](const char* line) {
    switch (LineTag(line, end)) {
      case tag::kName:
      case tag::kTitl:
        lines_[kTitle] = line;
        break;
      case tag::kAuth:
        lines_[kAuthor] = line;
        break;
      case tag::kPubl:
        lines_[kPublication] = line;
        break;
      case tag::kCaln:
        lines_[kCallNumber] = line;
        break;
      case tag::kAbbr:
        lines_[kAbbreviation] = line;
        break;
      case tag::kRepo:
        repo_ = line;
        break;
      case tag::kNote:
        note_ = line;
        break;
      case tag::kText:
        text_ = line;
        break;
      default:
        break;
    }
    return true;
  });
}

void WGEDSource::ReadInlineLines() {
  const char* end = context_.Text().TextEnd();
  lines_[kTitle] = position_;
  ForEachSubLine(context_.Text(), position_, true, [&](const char* line) {
    const std::uint32_t word = LineTag(line, end);
    if (word == tag::kNote) note_ = line;
    if (word == tag::kText) text_ = line;
    return true;
  });
}

std::string WGEDSource::FieldText(Field field) {
  if (!texts_[field])
    texts_[field] = context_.ConvertText(JoinedValue(context_.Text(), lines_[field], "\r\n"));
  return *texts_[field];
}

std::int32_t WGEDSource::GetRepoIndex() {
  if (repo_ == nullptr) return 0;
  const WGEDTextMMF& text = context_.Text();
  return context_.Collection().FindRepo(text.GetXRef(ValueStart(repo_, text.TextEnd())));
}

std::string WGEDSource::GetAuthor() {
  return FieldText(kAuthor);
}
std::string WGEDSource::GetTitle() {
  return FieldText(kTitle);
}
std::string WGEDSource::GetPublication() {
  return FieldText(kPublication);
}
std::string WGEDSource::GetCallNumber() {
  return FieldText(kCallNumber);
}
std::string WGEDSource::GetAbbreviation() {
  return FieldText(kAbbreviation);
}

std::unique_ptr<WABSNote> WGEDSource::GetNote() {
  return WGEDNote::Resolve(context_, note_);
}
std::unique_ptr<WABSNote> WGEDSource::GetTextNote() {
  return WGEDNote::Resolve(context_, text_);
}

std::string WGEDSource::GetRecordText() {
  if (!isRecord_) return {};
  return context_.ConvertText(context_.Text().GetRecordText(position_));
}

bool WGEDSource::HasNote() {
  return note_ != nullptr;
}
bool WGEDSource::HasText() {
  return text_ != nullptr;
}
bool WGEDSource::HasRepo() {
  return repo_ != nullptr;
}

}  // namespace kinshelf
