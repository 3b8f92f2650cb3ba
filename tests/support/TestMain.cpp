// Test entry point: every run gets its own data, configuration and temporary folders, the C locale
// and UTC, so that no test touches the user's folders or depends on the machine's settings.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string MakeRunFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/kinshelf-test-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) return {};
  return name.data();
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const std::string run = MakeRunFolder();
  if (run.empty()) return 1;
  for (const char* sub : {"data", "config", "tmp", "home"})
    std::filesystem::create_directories(run + "/" + sub);
  setenv("XDG_DATA_HOME", (run + "/data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (run + "/config").c_str(), 1);
  setenv("TMPDIR", (run + "/tmp").c_str(), 1);
  setenv("HOME", (run + "/home").c_str(), 1);
  setenv("LC_ALL", "C", 1);
  setenv("TZ", "UTC", 1);
  tzset();
  const int result = RUN_ALL_TESTS();
  std::error_code ignored;
  std::filesystem::remove_all(run, ignored);
  return result;
}
