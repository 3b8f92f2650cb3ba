// A source record and its one-line full text.
#include "model/WABSSource.h"

#include "model/WABSNote.h"
#include "text/ByteText.h"

namespace kinshelf {

WABSSource::~WABSSource() = default;

std::string WABSSource::GetRecordText() {
  return std::string();
}

std::unique_ptr<WABSNote> WABSSource::GetDisplayNote() {
  return GetNote();
}

std::string WABSSource::GetFullText() {
  std::string text;
  for (const std::string& part :
       {GetAuthor(), GetTitle(), GetPublication(), GetCallNumber(), GetAbbreviation()}) {
    if (part.empty()) continue;
    text += ", ";
    text += FlattenLineBreaks(part);
  }
  return text.empty() ? text : text.substr(2);
}

}  // namespace kinshelf
