// A personal name in a GEDCOM record.
#include "gedcom/WGEDName.h"

#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDCitation.h"
#include "gedcom/WGEDNote.h"

namespace kinshelf {

using namespace gedcom;

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// What follows the second '/' of the text; empty with fewer than two.
std::string_view AfterSecondSlash(std::string_view text) {
  const std::size_t first = text.find('/');
  if (first == std::string_view::npos) return {};
  const std::size_t second = text.find('/', first + 1);
  return second == std::string_view::npos ? std::string_view() : text.substr(second + 1);
}

}  // namespace

WGEDName::WGEDName(const GedcomRecordContext& context, const char* line) : context_(context) {
  const WGEDTextMMF& text = context.Text();
  const char* end = text.TextEnd();
  const char* valueStart = ValueStart(line, end);
  const std::string_view rest(valueStart,
                              static_cast<std::size_t>(FindValueEnd(valueStart, end) - valueStart));
  if (!Trimmed(rest).empty()) value_ = rest;
  ForEachSubLine(text, line, true, [&](const char* sub) {
    switch (LineTag(sub, end)) {
      case tag::kGivn:
        givenLine_ = sub;
        break;
      case tag::kSurn:
        surnameLine_ = sub;
        break;
      case tag::kNpfx:
        prefixLine_ = sub;
        break;
      case tag::kNsfx:
        suffixLine_ = sub;
        break;
      case tag::kNote:
        note_ = sub;
        break;
      case tag::kSour:
        citations_.Add(sub);
        break;
      default:
        break;
    }
    return true;
  });
  SetCitationCount(citations_.Count());
}

std::string_view WGEDName::Value(const char* line) const {
  return ValueAfterTag(line, context_.Text().TextEnd());
}

std::string_view WGEDName::Surname() const {
  if (value_.empty()) return Value(surnameLine_);
  const std::size_t first = value_.find('/');
  if (first == std::string_view::npos) return {};
  const std::string_view after = value_.substr(first + 1);
  return after.substr(0, after.find('/'));
}

// "/Smith/ John" writes the surname first: what follows it is the given names, not a suffix.
bool WGEDName::SurnameFirst() const {
  const std::string_view value = Trimmed(value_);
  return !value.empty() && value.front() == '/';
}

std::string_view WGEDName::GivenNames() const {
  if (value_.empty()) return Value(givenLine_);
  const std::string_view value = Trimmed(value_);
  if (SurnameFirst()) return Trimmed(AfterSecondSlash(value));
  return Trimmed(value.substr(0, value.find('/')));
}

std::string_view WGEDName::Suffix() const {
  if (suffixLine_ != nullptr) return Value(suffixLine_);
  if (SurnameFirst()) return {};
  return Trimmed(AfterSecondSlash(value_));
}

std::string WGEDName::GetSurname() {
  if (!surname_) surname_ = context_.ConvertText(Surname());
  return *surname_;
}

std::string WGEDName::GetGivenNames() {
  if (!givenNames_) givenNames_ = context_.ConvertText(GivenNames());
  return *givenNames_;
}

std::string WGEDName::GetPrefix() {
  if (!prefix_) prefix_ = context_.ConvertText(Value(prefixLine_));
  return *prefix_;
}

std::string WGEDName::GetSuffix() {
  if (!suffix_) suffix_ = context_.ConvertText(Suffix());
  return *suffix_;
}

NameParts WGEDName::GetParts() {
  const NamePartViews parts = PartViews();
  return {context_.ConvertText(parts.prefix), context_.ConvertText(parts.givenNames),
          context_.ConvertText(parts.surname), context_.ConvertText(parts.suffix)};
}

NamePartViews WGEDName::PartViews() const {
  return {Value(prefixLine_), GivenNames(), Surname(), Suffix()};
}

std::unique_ptr<WABSCitation> WGEDName::GetCitation(std::int32_t n) {
  return WGEDCitation::At(context_, citations_, n);
}

std::unique_ptr<WABSNote> WGEDName::GetNote() {
  return WGEDNote::Resolve(context_, note_);
}

}  // namespace kinshelf
