// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The path of a name inside the folder.
  std::string Path(std::string_view relative) const;
  // Writes a file (creating its folders) and returns its path.
  std::string WriteFile(std::string_view relative, std::string_view bytes) const;
  // Creates a folder (and its parents) and returns its path.
  std::string MakeFolder(std::string_view relative) const;

 private:
  std::string path_;
};

// The whole content of a file; fails the test when it cannot be read.
std::string ReadFile(const std::string& path);

// The folder of the real sample files beside the project, or empty when it is absent.
std::string SharedTestData(std::string_view relative);

}  // namespace kinshelf::test
