// Latin texts with one odd piece at every place.
#include "support/LatinTexts.h"

namespace kinshelf::test {

std::vector<std::string> LatinTextsWithOnePiece(std::span<const std::string_view> pieces) {
  std::vector<std::string> texts;
  for (std::size_t size = 0; size <= 40; ++size) {
    std::string latin;
    while (latin.size() < size) latin += latin.size() % 5 == 3 ? "é" : "a";
    for (std::size_t at = 0; at <= latin.size(); ++at) {
      for (const std::string_view piece : pieces)
        texts.push_back(latin.substr(0, at) + std::string(piece) + latin.substr(at));
    }
  }
  return texts;
}

}  // namespace kinshelf::test
