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

TEST(HelpTextTest, WrappedTextBreaksAtBlanksOnly) {
  struct Row {
    std::string text;
    std::size_t width;
    std::size_t indent;
    std::string wrapped;
  };
  const std::string words = "aaaa bbbb cccc dddd eeee ffff gggg";
  const Row rows[] = {
      {words, 34, 0, words},
      {words, 33, 0, "aaaa bbbb cccc dddd eeee ffff\ngggg"},
      {words, 30, 6, "aaaa bbbb cccc dddd eeee\n      ffff gggg"},                         // hanging
      {words, 25, 20, "aaaa bbbb cccc dddd\n" + std::string(20, ' ') + "eeee ffff gggg"},  // room >= 20
      {"a " + std::string(30, 'x') + " b", 20, 0, "a\n" + std::string(30, 'x') + "\nb"},   // never split
      {"  aaaa \n\t bbbb  ", 40, 0, "aaaa bbbb"},
      {"ÅÅÅÅÅÅÅÅÅÅ ÅÅÅÅÅÅÅÅÅ", 20, 0, "ÅÅÅÅÅÅÅÅÅÅ ÅÅÅÅÅÅÅÅÅ"},  // characters, not bytes
  };
  for (const Row& row : rows)
    EXPECT_EQ(WrappedText(row.text, row.width, row.indent), row.wrapped) << row.text;
}

std::string Help(const std::vector<std::string>& arguments, std::size_t width) {
  std::ostringstream out;
  std::ostringstream err;
  CommandIo io{out, err, false, width};
  EXPECT_EQ(RunCommand(arguments, io), 0);
  return out.str();
}

// The words of a text with single blanks between them.
std::string Words(std::string_view text) {
  return WrappedText(text, std::string::npos, 0);
}

TEST(HelpTextTest, EveryHelpFitsTheWidthAndKeepsEveryWord) {
  for (const std::size_t width : {60, 80, 132}) {
    std::vector<std::string> helps{Help({"--help"}, width)};
    for (const auto& command : MakeCommands()) {
      helps.push_back(Help({std::string(command->Spec().name), "--help"}, width));
      EXPECT_NE(Words(helps.back()).find(Words(command->Spec().description)), std::string::npos) << width;
    }
    for (const auto& help : helps) {
      std::istringstream in(help);
      for (std::string line; std::getline(in, line);) EXPECT_LE(DisplayLength(line), width) << line;
    }
  }
}

// The column where `text` starts on its line, and the column where the next line's text starts.
std::pair<std::size_t, std::size_t> Columns(const std::string& help, const std::string& text) {
  const std::size_t at = help.find(text);
  const std::size_t next = help.find('\n', at) + 1;
  return {at - (help.rfind('\n', at) + 1), help.find_first_not_of(' ', next) - next};
}

TEST(HelpTextTest, OptionAndCommandTextsHangUnderTheirColumn) {
  const std::pair<std::string, std::string> rows[] = {
      {Help({"search", "--help"}, 60), "look for these kinds"},
      {Help({"--help"}, 60), "re-examine the listed"}};
  for (const auto& [help, text] : rows) {
    ASSERT_NE(help.find(text), std::string::npos) << help;
    const auto [column, next] = Columns(help, text);
    EXPECT_GT(column, 10u);
    EXPECT_EQ(next, column) << help;
  }
}

}  // namespace
}  // namespace kinshelf::cli
