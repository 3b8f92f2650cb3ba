// A locale compiled from the system's definitions into a scratch folder, for tests that need one
// beyond C and C.UTF-8 (which may be all a machine has installed).
#pragma once

#include <string>

#include "support/ScratchFolder.h"

namespace kinshelf::test {

class CompiledLocale {
 public:
  // Runs localedef for the definition (e.g. "en_US") and character map (e.g. "UTF-8"); the locale is
  // named "<definition>.<charmap>" and can be loaded while LOCPATH points at Folder().
  CompiledLocale(const std::string& definition, const std::string& charmap);

  // False when localedef or the definitions are missing; the reason is in Problem().
  bool Ok() const { return problem_.empty(); }
  const std::string& Problem() const { return problem_; }
  const std::string& Name() const { return name_; }
  const std::string& Folder() const { return scratch_.Path(); }

 private:
  ScratchFolder scratch_;
  std::string name_;
  std::string problem_;
};

// Sets an environment variable for one scope and gives back its former value (or absence) after it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool wasSet_;
  std::string former_;
};

}  // namespace kinshelf::test
