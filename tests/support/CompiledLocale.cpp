// A locale compiled from the system's definitions into a scratch folder, for tests that need one
// beyond C and C.UTF-8 (which may be all a machine has installed).
#include "support/CompiledLocale.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>

// Loading a locale through LOCPATH makes glibc allocate the search path, which it never frees; that is
// the C library's and no leak of ours. Read by LeakSanitizer when the tests are built with it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:__argz_add_sep\n";
}

namespace kinshelf::test {

CompiledLocale::CompiledLocale(const std::string& definition, const std::string& charmap)
    : name_(definition + "." + charmap) {
  const std::string command =
      "localedef -i " + definition + " -f " + charmap + " '" + scratch_.Path(name_) + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  // localedef may report warnings with a non-zero status and still write the locale; what matters
  // is whether the locale's files are there.
  if (!std::filesystem::exists(scratch_.Path(name_ + "/LC_CTYPE"))) {
    problem_ = "localedef could not build " + name_ + " (exit status " + std::to_string(exitCode) +
               "); is the locales package installed?";
  }
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  const char* former = std::getenv(name);
  wasSet_ = former != nullptr;
  if (wasSet_) former_ = former;
  setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (wasSet_) {
    setenv(name_, former_.c_str(), 1);
  } else {
    unsetenv(name_);
  }
}

}  // namespace kinshelf::test
