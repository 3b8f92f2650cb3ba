// A stand-in for a program that gets started, and environment variables for one test.
#include "support/FakeProgram.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

namespace kinshelf::test {

namespace {

constexpr auto kPatience = std::chrono::seconds(30);
constexpr auto kPollInterval = std::chrono::milliseconds(10);

std::string RecordFile(const std::string& program) {
  return program + ".args";
}

// Each argument followed by a NUL byte, written aside and renamed, so a reader never sees a part.
std::string Script(const std::string& record) {
  return "#!/bin/sh\n"
         "PATH=/usr/bin:/bin\n"
         "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" +
         record +
         ".part'\n"
         "mv '" +
         record + ".part' '" + record + "'\n";
}

}  // namespace

FakeProgram::FakeProgram(const ScratchFolder& folder, std::string_view relative) {
  path_ = folder.Path(relative);
  folder.WriteFile(relative, Script(RecordFile(path_)));
  if (chmod(path_.c_str(), 0755) != 0) ADD_FAILURE() << "cannot make " << path_ << " executable";
}

bool FakeProgram::Ran() const {
  struct stat info {};
  return stat(RecordFile(path_).c_str(), &info) == 0;
}

std::vector<std::string> FakeProgram::Arguments() const {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!Ran()) {
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << path_ << " did not run";
      return {};
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  const std::string record = ReadFile(RecordFile(path_));
  std::vector<std::string> arguments;
  for (std::size_t start = 0; start < record.size();) {
    const auto end = record.find('\0', start);
    arguments.push_back(record.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) old_ = old;
  setenv(name_.c_str(), value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
  if (old_) {
    setenv(name_.c_str(), old_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

}  // namespace kinshelf::test
