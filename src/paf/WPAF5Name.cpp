// The name of a PAF 5 individual.
#include "paf/WPAF5Name.h"

#include <algorithm>
#include <string_view>

#include "model/ItemTexts.h"
#include "paf/Paf5Format.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

namespace {

// Each part of a name keeps at most this many characters.
constexpr std::size_t kMaxPart = 255;
// The longest name text a record can give: its length field is signed 16-bit.
constexpr std::size_t kMaxNameLength = 32767;

std::string_view Part(std::string_view text) {
  return text.substr(0, kMaxPart);
}

}  // namespace

const NameParts& WPAF5Name::Parts() {
  if (!parts_) parts_ = Parse();
  return *parts_;
}

NameParts WPAF5Name::Parse() const {
  const NamePartViews views = PartViews(collection_, firstText_);
  return {std::string(views.prefix), std::string(views.givenNames), std::string(views.surname),
          std::string(views.suffix)};
}

NamePartViews WPAF5Name::PartViews(const WPAFCollection& collection, std::int32_t firstText) {
  if (!PafRecord::IsLink(firstText)) return {};
  const PafRecord record = collection.RecordAt(firstText, paf::kIndividualTextStart + kMaxNameLength);
  if (!record.Exists()) return {};
  if (record.Byte(paf::kIndividualTextKind) != paf::kNameText) return {{}, "<Unknown>", {}, {}};
  const auto length = static_cast<std::int16_t>(record.Word(paf::kIndividualTextLength));
  const std::size_t stored =
      record.Size() > paf::kIndividualTextStart ? record.Size() - paf::kIndividualTextStart : 0;
  const auto bytes =
      record.Bytes(paf::kIndividualTextStart, std::min<std::size_t>(std::max<int>(length, 0), stored));
  const std::string_view name(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::size_t firstSlash = name.find('/');
  const std::string_view given = name.substr(0, firstSlash);
  const std::string_view rest =
      firstSlash == std::string_view::npos ? std::string_view() : name.substr(firstSlash + 1);
  const std::size_t secondSlash = rest.find('/');
  const std::string_view surname = rest.substr(0, secondSlash);
  const std::string_view suffix =
      secondSlash == std::string_view::npos ? std::string_view() : rest.substr(secondSlash + 1);
  return {{}, TrimmedBlanks(Part(given)), Part(surname), TrimmedBlanks(Part(suffix))};
}

}  // namespace kinshelf
