// Finding the window program: beside the executable in a build folder, where installing puts it,
// and nowhere when it is missing or cannot be run.
#include "cli/WindowProgram.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/ScratchFolder.h"

namespace kinshelf::cli {
namespace {

TEST(WindowProgramTest, FoundBesideTheExecutableOrWhereInstallingPutsIt) {
  const test::ScratchFolder folder;
  const std::string executable = folder.WriteFile("usr/bin/kinshelf", "");
  const auto program = [&folder](const std::string& relative, mode_t mode) {
    const std::string path = folder.WriteFile(relative, "");
    chmod(path.c_str(), mode);
    return path;
  };
  EXPECT_EQ(WindowProgramPath(executable, "libexec/kinshelf"), "") << "none yet";
  program("usr/libexec/kinshelf/kinshelf-window", 0644);
  EXPECT_EQ(WindowProgramPath(executable, "libexec/kinshelf"), "") << "not executable";
  const std::string installed = program("usr/libexec/kinshelf/kinshelf-window", 0755);
  EXPECT_EQ(WindowProgramPath(executable, "libexec/kinshelf"), installed);
  EXPECT_EQ(WindowProgramPath(executable, folder.Path("usr/libexec/kinshelf")), installed) << "absolute";
  const std::string beside = program("usr/bin/kinshelf-window", 0755);
  EXPECT_EQ(WindowProgramPath(executable, "libexec/kinshelf"), beside);
  EXPECT_EQ(WindowProgramPath("kinshelf", "libexec/kinshelf"), "") << "no folder to look in";
}

}  // namespace
}  // namespace kinshelf::cli
