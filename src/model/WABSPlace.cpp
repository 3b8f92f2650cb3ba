// A place of an event and its display text.
#include "model/WABSPlace.h"

#include "model/ItemTexts.h"
#include "model/WABSCitation.h"
#include "model/WABSNote.h"
#include "settings/WOptions.h"

namespace kinshelf {

WABSPlace::~WABSPlace() = default;

std::int32_t WABSPlace::CitationCount() {
  return citationCount_;
}

std::string WABSPlace::PlaceDisplayText(const WOptions& options) {
  return DisplayText(GetPlaceText(), options.GetBool(opt::PlaceCommas));
}

std::string WABSPlace::DisplayText(std::string placeText, bool dropLeadingCommas) {
  const std::string_view shown = DisplayView(placeText, dropLeadingCommas);
  // Most place texts need no trimming, and are then handed on as they are.
  if (shown.size() == placeText.size()) return placeText;
  return std::string(shown);
}

std::string_view WABSPlace::DisplayView(std::string_view placeText, bool dropLeadingCommas) {
  std::string_view text = TrimmedBlanks(placeText);
  if (dropLeadingCommas) {
    const std::size_t start = text.find_first_not_of(", ");
    text = start == std::string_view::npos ? std::string_view() : TrimmedBlanks(text.substr(start));
  }
  return text;
}

}  // namespace kinshelf
