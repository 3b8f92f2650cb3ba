// Runs commands in-process against a fresh home.
#include "CliTestSupport.h"

#include <stdlib.h>

#include <filesystem>

#include "cli/CommandRunner.h"

namespace kinshelf::test {

CliTest::CliTest() {
  setenv("XDG_DATA_HOME", home_.MakeFolder("data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", home_.MakeFolder("config").c_str(), 1);
}

CommandResult CliTest::Run(const std::vector<std::string>& arguments) const {
  std::ostringstream out;
  std::ostringstream err;
  cli::CommandIo io{out, err, false};
  CommandResult result;
  result.status = cli::RunCommand(arguments, io);
  result.out = out.str();
  result.err = err.str();
  return result;
}

std::string CliTest::CatalogFile() const {
  return home_.Path("data/Orrinvale/FileStore/Catalog.sdb");
}

std::unique_ptr<WFileStore> CliTest::OpenCatalog() const {
  std::filesystem::create_directories(std::filesystem::path(CatalogFile()).parent_path());
  return std::make_unique<WFileStore>(CatalogFile().substr(0, CatalogFile().size() - 4));
}

std::string CliTest::SettingsFile() const {
  return home_.Path("config/Orrinvale/Kinshelf1/Kinshelf.ini");
}

}  // namespace kinshelf::test
