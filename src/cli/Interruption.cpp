// Ctrl-C during a long command.
#include "cli/Interruption.h"

namespace kinshelf::cli {

namespace {

// A signal handler can only reach static storage; this flag is written there and read by the
// command between units of work.
volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
  interrupted = 1;
}

}  // namespace

Interruption::Interruption() {
  interrupted = 0;
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // A second interrupt takes the default action and ends the program.
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, &previousInt_);
  sigaction(SIGTERM, &action, &previousTerm_);
}

Interruption::~Interruption() {
  sigaction(SIGINT, &previousInt_, nullptr);
  sigaction(SIGTERM, &previousTerm_, nullptr);
}

bool Interruption::Requested() const {
  return interrupted != 0;
}

}  // namespace kinshelf::cli
