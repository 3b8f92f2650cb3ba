// The dispatcher: help, unknown commands and options, and exit statuses.
#include "CliTestSupport.h"
#include "cli/CommandRunner.h"
#include "cli/commands/Commands.h"

namespace kinshelf::test {
namespace {

class CommandRunnerTest : public CliTest {};

TEST_F(CommandRunnerTest, NoArgumentsPrintsTheListOfCommands) {
  const auto result = Run({});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("Usage: kinshelf COMMAND"), std::string::npos);
  EXPECT_NE(result.out.find("  list "), std::string::npos);
  EXPECT_NE(result.out.find("  settings "), std::string::npos);
}

TEST_F(CommandRunnerTest, EveryCommandHasHelp) {
  for (const auto& entry : cli::MakeCommands()) {
    const std::string command(entry->Spec().name);
    const auto result = Run({command, "--help"});
    EXPECT_EQ(result.status, 0) << command;
    EXPECT_EQ(result.out.rfind("Usage: kinshelf " + command, 0), 0u) << result.out;
    EXPECT_NE(result.out.find("--help"), std::string::npos);
    EXPECT_EQ(Run({"help", command}).out, result.out);
  }
}

TEST_F(CommandRunnerTest, UsageErrorsExitWithTwo) {
  auto result = Run({"frobnicate"});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("unknown command \"frobnicate\""), std::string::npos);

  result = Run({"list", "--colour"});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("unknown option --colour"), std::string::npos);
  EXPECT_NE(result.err.find("kinshelf list --help"), std::string::npos);

  EXPECT_EQ(Run({"list", "--sort"}).status, 2);
  EXPECT_EQ(Run({"list", "--sort", "colour"}).status, 2);
  EXPECT_EQ(Run({"list", "--kinds", "gedcom,word"}).status, 2);
  EXPECT_EQ(Run({"list", "--kinds", "ged com"}).status, 2);
  EXPECT_EQ(Run({"list", "--kinds", "gedcom, ,paf"}).status, 2);
  EXPECT_EQ(Run({"list", "--format", "xml"}).status, 2);
  EXPECT_EQ(Run({"show", "--format", "csv", "tree.ged"}).status, 2);
  EXPECT_EQ(Run({"list", "extra"}).status, 2);
  EXPECT_EQ(Run({"list", "--desc=yes"}).status, 2);
}

// An empty argument, as a script's unset variable gives, was taken for the current folder: the
// exclusion of the folder the command ran in, or a search of it.
TEST_F(CommandRunnerTest, AnEmptyArgumentNamesNothing) {
  const std::vector<std::vector<std::string>> calls = {
      {"search", ""}, {"exclude", ""}, {"bookmark", ""},           {"export", ""},
      {"show", ""},   {"people", ""},  {"person", "tree.ged", ""}, {"open", ""}};
  for (const auto& call : calls) {
    const auto result = Run(call);
    EXPECT_EQ(result.status, 2) << call[0];
    EXPECT_NE(result.err.find("an empty argument names no file, folder or id"), std::string::npos)
        << result.err;
  }
  EXPECT_EQ(Run({"exclusions", "--add", ""}).status, 1);
  EXPECT_EQ(Run({"exclusions"}).out, "No folders or files are excluded.\n");
}

TEST_F(CommandRunnerTest, KindListsTakeBlanksAroundNamesAndSortKeysAnyCase) {
  for (const char* kinds : {"gedcom, paf", " \tGEDCOM ,\tPaf "}) {
    EXPECT_EQ(Run({"refresh", "--kinds", kinds}).status, 0) << kinds;
  }
  for (const char* key : {"SIZE", "Modified", "path"})
    EXPECT_EQ(Run({"list", "--sort", key}).status, 0) << key;
}

TEST_F(CommandRunnerTest, FailureExitsWithOneAndNamesTheProblem) {
  home_.WriteFile("data/Orrinvale/FileStore/Catalog.sdb", std::string(2048, 'x'));
  const auto result = Run({"counts"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Catalog.sdb"), std::string::npos) << result.err;
}

// A full disk or a closed pipe: the listing never arrived, so the command must not report success.
TEST_F(CommandRunnerTest, OutputThatCannotBeWrittenIsAFailure) {
  std::ostream broken(nullptr);
  std::ostringstream err;
  cli::CommandIo io{broken, err, false};
  EXPECT_EQ(cli::RunCommand({"counts"}, io), 1);
  EXPECT_NE(err.str().find("kinshelf counts: cannot write the output"), std::string::npos) << err.str();
  // An export to the output does not say it exported.
  err.str("");
  EXPECT_EQ(cli::RunCommand({"export", "-"}, io), 1);
  EXPECT_EQ(err.str().find("Exported"), std::string::npos) << err.str();
  EXPECT_EQ(err.str(), "kinshelf export: cannot write the output\n");
}

}  // namespace
}  // namespace kinshelf::test
