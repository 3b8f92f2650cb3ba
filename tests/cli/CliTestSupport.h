// Runs commands in-process against a fresh home: own data and configuration folders per test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/store/WFileStore.h"
#include "support/ScratchFolder.h"

namespace kinshelf::test {

struct CommandResult {
  int status = 0;
  std::string out;
  std::string err;
};

class CliTest : public testing::Test {
 protected:
  CliTest();
  // Runs `kinshelf ARGUMENTS...`.
  CommandResult Run(const std::vector<std::string>& arguments) const;
  std::string CatalogFile() const;
  // Opens the catalog where the commands will find it.
  std::unique_ptr<WFileStore> OpenCatalog() const;
  std::string SettingsFile() const;

  ScratchFolder home_;
};

}  // namespace kinshelf::test
