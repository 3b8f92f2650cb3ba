// Help texts fitted to the output's width: words wrap whole, option texts hang under their column.
#include "cli/HelpText.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/CommandRunner.h"
#include "cli/WrappedText.h"
#include "cli/commands/Commands.h"
#include "text/Utf8.h"

namespace kinshelf::cli {
namespace {

struct WrapRow {
  const char* rule;
  std::string text;
  std::size_t width;
  std::size_t indent;
  std::string wrapped;
};

class WrappedTextTest : public testing::TestWithParam<WrapRow> {};

TEST_P(WrappedTextTest, BreaksAtBlanksOnly) {
  const WrapRow& row = GetParam();
  EXPECT_EQ(WrappedText(row.text, row.width, row.indent), row.wrapped);
}

const std::string kWords = "aaaa bbbb cccc dddd eeee ffff gggg";  // 34 characters

INSTANTIATE_TEST_SUITE_P(
    Texts, WrappedTextTest,
    testing::Values(WrapRow{"FitsOnOneLine", kWords, 34, 0, kWords},
                    WrapRow{"BreaksBeforeTheWordThatOverflows", kWords, 33, 0,
                            "aaaa bbbb cccc dddd eeee ffff\ngggg"},
                    WrapRow{"BreaksEveryTwentyColumns", kWords, 20, 0, "aaaa bbbb cccc dddd\neeee ffff gggg"},
                    WrapRow{"ContinuationLinesHangUnderTheIndent", kWords, 30, 6,
                            "aaaa bbbb cccc dddd eeee\n      ffff gggg"},
                    WrapRow{"RoomNeverBelowTwenty", kWords, 25, 20,
                            "aaaa bbbb cccc dddd\n" + std::string(20, ' ') + "eeee ffff gggg"},
                    WrapRow{"LongWordStaysWholeOnItsOwnLine", "a " + std::string(30, 'x') + " b", 20, 0,
                            "a\n" + std::string(30, 'x') + "\nb"},
                    WrapRow{"BlanksAndLineBreaksCollapse", "  aaaa \n\t bbbb  ", 40, 0, "aaaa bbbb"},
                    WrapRow{"CharactersNotBytes", "ÅÅÅÅÅÅÅÅÅÅ ÅÅÅÅÅÅÅÅÅ", 20, 0, "ÅÅÅÅÅÅÅÅÅÅ ÅÅÅÅÅÅÅÅÅ"},
                    WrapRow{"Empty", "", 20, 4, ""}),
    [](const auto& info) { return std::string(info.param.rule); });

std::string Help(const std::vector<std::string>& arguments, std::size_t width) {
  std::ostringstream out;
  std::ostringstream err;
  CommandIo io{out, err, false, width};
  EXPECT_EQ(RunCommand(arguments, io), 0);
  return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The words of a text with single blanks between them.
std::string Words(std::string_view text) {
  return WrappedText(text, std::string::npos, 0);
}

class HelpWidthTest : public testing::TestWithParam<std::size_t> {};

TEST_P(HelpWidthTest, EveryHelpFitsTheWidthAndKeepsEveryWord) {
  const std::size_t width = GetParam();
  std::vector<std::vector<std::string>> calls{{"--help"}};
  for (const auto& command : MakeCommands()) calls.push_back({std::string(command->Spec().name), "--help"});
  for (const auto& call : calls) {
    const std::string help = Help(call, width);
    for (const auto& line : Lines(help)) EXPECT_LE(DisplayLength(line), width) << call[0] << ": " << line;
  }
  for (const auto& command : MakeCommands()) {
    const std::string help = Words(Help({std::string(command->Spec().name), "--help"}, width));
    EXPECT_NE(help.find(Words(command->Spec().description)), std::string::npos) << command->Spec().name;
    for (const auto& option : command->Spec().options) {
      EXPECT_NE(help.find(Words(option.help)), std::string::npos) << option.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Widths, HelpWidthTest, testing::Values(60, 80, 132));

// The line after `first` begins with blanks up to the column where the text of `first` begins.
void ExpectHangsUnder(const std::string& help, const std::string& first, const std::string& text) {
  const auto lines = Lines(help);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].rfind(first, 0) != 0) continue;
    const std::size_t column = lines[i].find(text);
    ASSERT_NE(column, std::string::npos) << lines[i];
    EXPECT_EQ(lines[i + 1].find_first_not_of(' '), column) << lines[i + 1];
    return;
  }
  ADD_FAILURE() << "no line starts with " << first << " in\n" << help;
}

TEST(HelpTextTest, OptionAndCommandTextsHangUnderTheirColumn) {
  ExpectHangsUnder(Help({"search", "--help"}, 60), "      --kinds LIST", "look for");
  ExpectHangsUnder(Help({"--help"}, 60), "  refresh", "re-examine");
}

TEST(HelpTextTest, AWideOutputKeepsEachEntryOnOneLine) {
  const std::string help = Help({"--help"}, 200);
  EXPECT_NE(
      help.find("\n  refresh     re-examine the listed files and drop the rows of files that are gone\n"),
      std::string::npos)
      << help;
}

}  // namespace
}  // namespace kinshelf::cli
