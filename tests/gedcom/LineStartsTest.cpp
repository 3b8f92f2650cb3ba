// The line walks from masks against NextLineAt one line at a time, on random texts whose breaks,
// blanks and lines fall at every distance from each other, from the 64-byte blocks and from the end.
#include "gedcom/LineStarts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kinshelf::gedcom {
namespace {

// A heap block of exactly the text's size, so that a read past its end is caught by the sanitizers.
std::vector<char> RandomText(std::mt19937& random) {
  static constexpr char kBytes[] = {'0', '1', '2', 'A', ' ', '\t', '\r', '\n', '\0'};
  std::vector<char> text(std::uniform_int_distribution<std::size_t>(1, 300)(random));
  // Long runs of letters make lines that cross blocks; short runs, blank lines and break runs.
  const std::size_t letters = std::uniform_int_distribution<std::size_t>(0, 6)(random);
  for (char& c : text) {
    const std::size_t pick =
        std::uniform_int_distribution<std::size_t>(0, sizeof kBytes + letters - 1)(random);
    c = pick < sizeof kBytes ? kBytes[pick] : 'A';
  }
  // Now and then a run of blanks as long as a block or more, with a break in it or not.
  if (random() % 4 == 0) {
    const std::size_t from = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random);
    const std::size_t to =
        std::min(text.size(), from + std::uniform_int_distribution<std::size_t>(0, 150)(random));
    std::fill(text.begin() + static_cast<std::ptrdiff_t>(from),
              text.begin() + static_cast<std::ptrdiff_t>(to), ' ');
    if (random() % 2 == 0) text[from] = '\n';
  }
  return text;
}

// Both walks from a random place: every line, and the level-1 lines the record walk would visit
// (those before the first line starting with '0').
TEST(LineStarts, FindTheLinesNextLineAtFinds) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 20000; ++round) {
    const std::vector<char> text = RandomText(random);
    const char* end = text.data() + text.size();
    const char* from = text.data() + std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random);
    LineStarts every(from, end);
    LineStarts levelOne(from, end);
    bool inRecord = true;
    const char* expected = from;
    do {
      expected = NextLineAt(expected, end, true);
      ASSERT_EQ(every.Next(), expected) << "round " << round;
      inRecord = inRecord && expected != nullptr && *expected != '0';
      if (inRecord && *expected == '1') {
        ASSERT_EQ(levelOne.NextLevelOne(), expected) << "round " << round;
      }
    } while (expected != nullptr);
    ASSERT_EQ(levelOne.NextLevelOne(), nullptr) << "round " << round;
  }
}

}  // namespace
}  // namespace kinshelf::gedcom
