// Runs commands in-process against a fresh home: own data and configuration folders per test.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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
  std::string SettingsFile() const;

  ScratchFolder home_;
};

}  // namespace kinshelf::test
