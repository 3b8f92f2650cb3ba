// A stand-in for a program that gets started: an executable script that records the arguments it
// was given, so that a test can check exactly what arrived. Environment variables for one test.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/ScratchFolder.h"

namespace kinshelf::test {

class FakeProgram {
 public:
  // Writes the script at `relative` in the folder (creating its folders) and makes it executable.
  FakeProgram(const ScratchFolder& folder, std::string_view relative);

  const std::string& Path() const { return path_; }
  // Whether the program has run and finished recording.
  bool Ran() const;
  // Its arguments after argv[0], waiting for a detached run to finish; fails the test and gives
  // nothing when it has not run within a generous time.
  std::vector<std::string> Arguments() const;

 private:
  std::string path_;
};

// Sets an environment variable for the life of the object, then restores the old value.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::string& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace kinshelf::test
