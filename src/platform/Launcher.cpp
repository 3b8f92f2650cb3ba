// Starting other programs, detached from this one, and finding programs on the search path.
#include "platform/Launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/FileDescriptor.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"

extern char** environ;

namespace kinshelf::platform {

namespace {

// Used when $PATH is unset, as the C library's exec functions do.
constexpr std::string_view kDefaultSearchPath = "/bin:/usr/bin";

void Report(int fd, int error) {
  while (write(fd, &error, sizeof error) < 0 && errno == EINTR) {
  }
}

// Runs in the first child, which may share the parent's locks in an unknown state: only
// async-signal-safe calls. The program runs in a grandchild, which is handed to init as soon as
// this child exits, so it never waits as a zombie of ours. A failure to start is written to
// `reportFd` as an errno value; a successful exec closes it.
[[noreturn]] void RunInGrandchild(const char* program, char* const* argv, int nullFd, int reportFd) {
  setsid();
  const pid_t pid = fork();
  if (pid < 0) {
    Report(reportFd, errno);
    _exit(1);
  }
  if (pid == 0) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int fd = 0; fd < 3; ++fd) dup2(nullFd, fd);
    execve(program, argv, environ);
    Report(reportFd, errno);
    _exit(127);
  }
  _exit(0);
}

// The errno of a failed start; 0 when the program is running.
int Spawn(const std::string& program, const std::vector<std::string>& argv) {
  std::vector<char*> arguments;
  for (const auto& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);
  const FileDescriptor null(open("/dev/null", O_RDWR | O_CLOEXEC));
  if (!null.IsOpen()) return errno;
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return errno;
  const FileDescriptor readEnd(ends[0]);
  FileDescriptor writeEnd(ends[1]);
  const pid_t child = fork();
  if (child < 0) return errno;
  if (child == 0) RunInGrandchild(program.c_str(), arguments.data(), null.Get(), writeEnd.Get());
  writeEnd.Close();
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got = 0;
  do {
    got = read(readEnd.Get(), &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace

bool StartDetached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) {
    errno = EINVAL;
    return false;
  }
  std::string program = argv[0];
  if (program.find(kSeparator) == std::string::npos) {
    const char* path = std::getenv("PATH");
    program = FindInSearchPath(program, path != nullptr ? std::string_view(path) : kDefaultSearchPath);
  }
  const int error = program.empty() ? ENOENT : Spawn(program, argv);
  if (error != 0) errno = error;
  return error == 0;
}

bool IsExecutableFile(const std::string& path) {
  return FileExists(path) && access(path.c_str(), X_OK) == 0;
}

std::string FindInSearchPath(std::string_view name, std::string_view searchPath) {
  while (!searchPath.empty()) {
    const auto colon = searchPath.find(':');
    const auto folder = searchPath.substr(0, colon);
    searchPath = colon == std::string_view::npos ? std::string_view() : searchPath.substr(colon + 1);
    if (folder.empty()) continue;
    const std::string candidate = JoinPath(folder, name);
    if (IsExecutableFile(candidate)) return candidate;
  }
  return {};
}

std::string ExecutablePath() {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t size = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (size < 0) return {};
    if (static_cast<std::size_t>(size) < buffer.size())
      return buffer.substr(0, static_cast<std::size_t>(size));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace kinshelf::platform
