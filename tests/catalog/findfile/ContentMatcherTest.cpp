// The content test: phrases across blocks, case, whole words and files shorter than the phrase.
#include "catalog/findfile/ContentMatcher.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/FileIo.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

TContentCriteria Criteria(const std::string& phrase, bool ignoreCase, bool wholeWord) {
  TContentCriteria criteria;
  criteria.SetPhrase(phrase);
  criteria.SetIgnoreCase(ignoreCase);
  criteria.SetWholeWord(wholeWord);
  return criteria;
}

bool FileContains(const std::string& content, const TContentCriteria& criteria, std::size_t blockSize) {
  test::ScratchFolder folder;
  const auto fd = platform::OpenExistingFile(folder.WriteFile("f", content), false);
  EXPECT_TRUE(fd.IsOpen());
  return ContainsPhrase(fd.Get(), criteria, blockSize);
}

struct ContentRow {
  const char* label;
  std::string content;
  const char* phrase;
  bool ignoreCase;
  bool wholeWord;
  bool found;
};

// Rows print as their labels in test output.
void PrintTo(const ContentRow& row, std::ostream* out) {
  *out << row.label;
}

// Each row runs with blocks far smaller than the content and with the real block size.
class ContentMatcherTest : public testing::TestWithParam<ContentRow> {};

TEST_P(ContentMatcherTest, FindsWithSmallAndRealBlocks) {
  const ContentRow& row = GetParam();
  const auto criteria = Criteria(row.phrase, row.ignoreCase, row.wholeWord);
  for (const std::size_t blockSize : {std::size_t{1}, std::size_t{3}, std::size_t{7}, kContentBlockSize}) {
    EXPECT_EQ(FileContains(row.content, criteria, blockSize), row.found) << "block size " << blockSize;
  }
}

const ContentRow kContentRows[] = {
    {"PlainPhrase", "0 HEAD\n1 SOUR PAF\n", "SOUR", true, false, true},
    {"CaseIgnoredByDefault", "0 HEAD\n1 SOUR PAF\n", "sour paf", true, false, true},
    {"CaseKeptWhenAsked", "0 HEAD\n1 SOUR PAF\n", "sour", false, false, false},
    {"PhraseLongerThanFile", "abc", "abcd", true, false, false},
    {"EmptyFile", "", "a", true, false, false},
    {"WholeFileIsThePhrase", "smith", "smith", true, true, true},
    {"WholeWordAtStart", "smith and jones", "smith", true, true, true},
    {"WholeWordAtEnd", "jones and smith", "smith", true, true, true},
    {"WholeWordRejectsPrefixOfWord", "smithson", "smith", true, true, false},
    {"WholeWordRejectsSuffixOfWord", "goldsmith", "smith", true, true, false},
    {"WholeWordSkipsToALaterCount", "goldsmith, smith.", "smith", true, true, true},
    {"DigitsAreWordBytes", "smith2 3smith", "smith", true, true, false},
    {"Utf8LettersAreWordBytes", "smith\xC3\xA9", "smith", true, true, false},
    {"PunctuationSeparatesWords", "(smith)", "smith", true, true, true},
    {"PartialMatchRestartsInside", "aaab", "aab", true, false, true},
    {"BinaryBytesCompare", std::string("\0\x01\xFFxyz", 6), "\xFFx", false, false, true},
};

INSTANTIATE_TEST_SUITE_P(Rows, ContentMatcherTest, testing::ValuesIn(kContentRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ContentMatcherBlocks, PhraseAcrossTheRealBlockBoundaryIsFound) {
  const std::string phrase = "1 NAME John /Smith/";
  for (const std::size_t start :
       {kContentBlockSize - 5, kContentBlockSize - phrase.size(), kContentBlockSize}) {
    std::string content(start, 'x');
    content += phrase;
    content += std::string(100, 'x');
    EXPECT_TRUE(FileContains(content, Criteria(phrase, true, false), kContentBlockSize)) << start;
  }
}

TEST(ContentMatcherBlocks, WholeWordNeedsTheByteAfterTheBlock) {
  // The phrase ends exactly at the block's end; the next block's first byte decides.
  std::string content(kContentBlockSize - 5, ' ');
  content += "smith";
  EXPECT_TRUE(FileContains(content + " ", Criteria("smith", true, true), kContentBlockSize));
  EXPECT_FALSE(FileContains(content + "s", Criteria("smith", true, true), kContentBlockSize));
}

TEST(ContentMatcherBlocks, PhraseLongerThanABlockIsFound) {
  const std::string phrase(kContentBlockSize + 10, 'p');
  const std::string content = "q " + phrase + " q";
  EXPECT_TRUE(FileContains(content, Criteria(phrase, true, true), kContentBlockSize));
  EXPECT_FALSE(FileContains(phrase.substr(1), Criteria(phrase, true, false), kContentBlockSize));
}

TEST(ContentMatcherBlocks, ReadErrorIsNoMatch) {
  test::ScratchFolder folder;
  const platform::FileDescriptor fd(::open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  ASSERT_TRUE(fd.IsOpen());
  EXPECT_FALSE(ContainsPhrase(fd.Get(), Criteria("x", true, false)));
}

}  // namespace
}  // namespace kinshelf
