// Helpers for the file access tests: the store files in the temporary folder, a fixed pattern and
// test names made from the rules that table rows cover.
#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UserFolders.h"

namespace kinshelf::test {

// The paths of the files whose names start with "orv" in the temporary folder.
inline std::vector<std::string> TemporaryStoreFiles() {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(platform::TempFolder())) {
    if (entry.path().filename().string().starts_with("orv")) paths.push_back(entry.path().string());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

// `size` bytes that differ from their neighbours, so that a shifted or lost block shows.
inline std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
  return bytes;
}

// A rule such as "a count beyond the end" as a test name: "ACountBeyondTheEnd".
inline std::string RuleName(std::string_view rule) {
  std::string name;
  bool startWord = true;
  for (const char c : rule) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) == 0) {
      startWord = true;
    } else {
      name += startWord ? static_cast<char>(std::toupper(byte)) : c;
      startWord = false;
    }
  }
  return name;
}

}  // namespace kinshelf::test
