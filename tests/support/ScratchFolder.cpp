// A fresh folder for one test, removed with everything in it when the test ends.
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/UserFolders.h"

namespace kinshelf::test {

ScratchFolder::ScratchFolder() {
  std::string pattern = platform::TempFolder() + "/scratch-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) ADD_FAILURE() << "cannot create a scratch folder in " << pattern;
  path_ = name.data();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  // Tests may leave folders without permissions behind; give them back before removing.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(
           path_, std::filesystem::directory_options::skip_permission_denied, ignored)) {
    if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
  }
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::Path(std::string_view relative) const {
  return path_ + "/" + std::string(relative);
}

std::string ScratchFolder::WriteFile(std::string_view relative, std::string_view bytes) const {
  const std::string path = Path(relative);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << path;
  return path;
}

std::string ScratchFolder::MakeFolder(std::string_view relative) const {
  const std::string path = Path(relative);
  std::filesystem::create_directories(path);
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "cannot read " << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string SharedTestData(std::string_view relative) {
  const std::string path = std::string(KINSHELF_SHARED_DIR) + "/testdata/" + std::string(relative);
  return std::filesystem::exists(path) ? path : std::string();
}

}  // namespace kinshelf::test
