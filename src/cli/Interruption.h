// Ctrl-C during a long command: the first interrupt only asks the command to stop at its next
// check (so that it can commit and report); a second one ends the program as usual.
#pragma once

#include <csignal>

namespace kinshelf::cli {

class Interruption {
 public:
  // Catches SIGINT and SIGTERM until destroyed.
  Interruption();
  ~Interruption();
  Interruption(const Interruption&) = delete;
  Interruption& operator=(const Interruption&) = delete;

  // An interrupt arrived since construction.
  bool Requested() const;

 private:
  struct sigaction previousInt_ {};
  struct sigaction previousTerm_ {};
};

}  // namespace kinshelf::cli
