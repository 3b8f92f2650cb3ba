// Starting programs detached: arguments arrive untouched, failures are reported, nothing is left to reap.
#include "platform/Launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "support/FakeProgram.h"
#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

using test::FakeProgram;
using test::ScratchFolder;

TEST(LauncherTest, ArgumentsArriveExactlyAsGiven) {
  const ScratchFolder folder;
  const FakeProgram program(folder, "bin/recorder");
  const std::vector<std::string> arguments{
      folder.Path("My Trees/O'Brien \"family\"; rm -rf ~ $(touch " + folder.Path("pwned") +
                  ") `id` | & *.ged"),
      "",
      "--help",
      "tab\there\nnewline",
  };
  std::vector<std::string> argv{program.Path()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  ASSERT_TRUE(StartDetached(argv)) << std::strerror(errno);
  EXPECT_EQ(program.Arguments(), arguments);
  struct stat info {};
  EXPECT_NE(stat(folder.Path("pwned").c_str(), &info), 0) << "a shell ran the command substitution";
}

TEST(LauncherTest, ProgramIsLookedUpOnTheSearchPath) {
  const ScratchFolder folder;
  const FakeProgram program(folder, "second/recorder");
  folder.WriteFile("first/recorder", "not executable");
  const test::ScopedEnvironment path(
      "PATH", folder.Path("missing") + "::" + folder.Path("first") + ":" + folder.Path("second"));
  ASSERT_TRUE(StartDetached({"recorder", "x"})) << std::strerror(errno);
  EXPECT_EQ(program.Arguments(), std::vector<std::string>{"x"});
}

TEST(LauncherTest, NoChildIsLeftToReap) {
  const ScratchFolder folder;
  const FakeProgram program(folder, "recorder");
  ASSERT_TRUE(StartDetached({program.Path()}));
  program.Arguments();
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(LauncherTest, FailuresToStartAreReportedWithTheirReason) {
  const ScratchFolder folder;
  const std::string plain = folder.WriteFile("plain.txt", "not a program");
  const std::string noInterpreter = folder.WriteFile("no-interpreter", "echo hi\n");
  chmod(noInterpreter.c_str(), 0755);
  struct Row {
    std::vector<std::string> argv;
    int error;
  };
  const Row rows[] = {
      {{folder.Path("missing")}, ENOENT},
      {{"kinshelf-test-no-such-program"}, ENOENT},
      {{plain}, EACCES},
      {{noInterpreter}, ENOEXEC},
      {{}, EINVAL},
      {{""}, EINVAL},
  };
  for (const auto& row : rows) {
    errno = 0;
    EXPECT_FALSE(StartDetached(row.argv)) << (row.argv.empty() ? "" : row.argv[0]);
    EXPECT_EQ(errno, row.error) << (row.argv.empty() ? "" : row.argv[0]);
  }
}

TEST(LauncherTest, SearchPathSkipsFilesThatCannotBeExecuted) {
  const ScratchFolder folder;
  const FakeProgram program(folder, "b/tool");
  folder.WriteFile("a/tool", "");
  folder.MakeFolder("c/tool");
  EXPECT_EQ(FindInSearchPath("tool", folder.Path("a") + ":" + folder.Path("c") + "::" + folder.Path("b")),
            program.Path());
  EXPECT_EQ(FindInSearchPath("tool", folder.Path("a")), "");
  EXPECT_EQ(FindInSearchPath("tool", ""), "");
}

}  // namespace
}  // namespace kinshelf::platform
