// The search for mentions of identifiers, against a byte-by-byte reading of the same rule, on random
// texts that put identifiers, '@', NUL bytes and record starts at every distance from each other and
// from the end of the text.
#include "gedcom/XRefMentions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "gedcom/GedcomScan.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

// The rule read byte by byte: an '@' whose identifier (up to the next '@' or NUL before the end)
// is one looked for; after a mention, the search goes on at the next record start.
std::vector<std::ptrdiff_t> ReferenceMentions(std::string_view text,
                                              const std::vector<std::string_view>& looked) {
  std::vector<std::ptrdiff_t> found;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '@') continue;
    const std::size_t close = text.find_first_of(std::string_view("@\0", 2), at + 1);
    if (close == std::string_view::npos) continue;
    const std::string_view identifier = text.substr(at + 1, close - at - 1);
    if (std::find(looked.begin(), looked.end(), identifier) == looked.end()) continue;
    found.push_back(static_cast<std::ptrdiff_t>(at));
    const char* next = gedcom::FindRecordStart(text.data() + at, text.data() + text.size());
    at = static_cast<std::size_t>(next - text.data()) - 1;
  }
  return found;
}

std::vector<std::string> Split(std::string_view joined) {
  std::vector<std::string> pieces;
  for (std::size_t start = 0; start <= joined.size();) {
    const std::size_t bar = std::min(joined.find('|', start), joined.size());
    pieces.emplace_back(joined.substr(start, bar - start));
    start = bar + 1;
  }
  return pieces;
}

// Identifiers about as long as the 64-byte blocks the search looks at, and longer.
const std::string kLong(62, 'G');
const std::string kLonger = kLong + "H";
const std::string kLongest = kLonger + std::string(40, 'J');

// Random text from pieces that make and break identifiers; never empty, which maps nothing. The
// pieces are split at '|', and '#' stands for a NUL byte, which ends an identifier as an '@' does.
std::string RandomText(std::mt19937& random) {
  static const std::vector<std::string> kPieces = Split(
      "@I1@|@I12@|@F3@|@I123456789012@|@I1|I1@|@|#|\n0 |\r\n1 |abcdefgh|@@|@F3|@I12345678901234567890@| @X9@ "
      "|      |@L1234567890123456789012345678901234567890@|@" +
      kLongest + "@|@" + kLonger + "@|@" + kLong + "@");
  std::string text;
  const auto pieces = std::uniform_int_distribution<int>(1, 120)(random);
  for (int k = 0; k < pieces; ++k) text += kPieces[random() % kPieces.size()];
  std::replace(text.begin(), text.end(), '#', '\0');
  return text;
}

TEST(XRefMentions, AreThoseOfTheRuleReadByteByByte) {
  const std::vector<std::vector<std::string_view>> lookedFor = {
      {"I1"},
      {"F3", "I12"},
      {"I123456789012"},
      {"I12345678901234567890", "X9", "I1"},
      {"L1234567890123456789012345678901234567890", "F3"},
      {kLong, "I1"},
      {kLonger},
      {kLongest, "X9"}};
  std::mt19937 random(7);
  test::ScratchFolder folder;
  for (int round = 0; round < 400; ++round) {
    const std::string text = RandomText(random);
    const WGEDTextMMF mapped(folder.WriteFile("t" + std::to_string(round) + ".ged", text));
    const std::string_view read(mapped.TextStart(),
                                static_cast<std::size_t>(mapped.TextEnd() - mapped.TextStart()));
    for (const auto& looked : lookedFor) {
      std::vector<std::ptrdiff_t> found;
      for (const char* mention : gedcom::FindXRefMentions(mapped, looked))
        found.push_back(mention - mapped.TextStart());
      ASSERT_EQ(found, ReferenceMentions(read, looked)) << "round " << round << ", text:\n" << text;
    }
  }
}

}  // namespace
}  // namespace kinshelf
