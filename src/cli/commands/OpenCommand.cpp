// kinshelf open: starts the genealogy program of a catalogued file on it, or opens its folder.
#include <cerrno>
#include <climits>
#include <cstring>
#include <stdexcept>

#include "catalog/CatalogSession.h"
#include "catalog/programs/ProgramAssociations.h"
#include "catalog/programs/ProgramDiscovery.h"
#include "catalog/store/WFileStoreFile.h"
#include "cli/FileArgument.h"
#include "cli/TerminalText.h"
#include "cli/commands/Commands.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"

namespace kinshelf::cli {

namespace {

// What the user can do about a catalogued file that is gone: look in its folder, or search again.
std::string NotFoundMessage(const std::string& path, const std::string& folder, std::int32_t id) {
  if (platform::DirectoryExists(folder)) {
    return path + " was not found. Its folder " + folder + " still exists; run 'kinshelf open --folder " +
           std::to_string(id) + "' or 'kinshelf search'";
  }
  return path + " was not found. Its folder " + folder + " no longer exists; run 'kinshelf search'";
}

// The kind's program, looking for installed programs first when none is set, as start-up does.
std::string ProgramFor(CatalogSession& session, FileKind kind) {
  if (ProgramSettingForKind(kind) < 0)
    throw std::runtime_error("no program opens files of kind " + std::to_string(KindCode(kind)));
  std::string program = ProgramForKind(session.Options(), kind);
  if (!program.empty() && session.ProgramsFound()) session.Options().Save();
  if (program.empty()) {
    throw std::runtime_error("no program is set for " + WFileStoreFile::KindDisplayName(kind) +
                             " files: set one with 'kinshelf settings " +
                             std::string(ProgramSettingKey(kind)) + " PROGRAM'");
  }
  return program;
}

// Another program is handed the path whole, and the system takes no longer one.
void RequireOpenablePath(const std::string& path) {
  if (path.size() < PATH_MAX) return;
  throw std::runtime_error(path.substr(0, 60) + "... is too long for another program to open (" +
                           std::to_string(path.size()) + " bytes; the system takes at most " +
                           std::to_string(PATH_MAX - 1) + ")");
}

// `error` is the errno of a failed start.
void Report(bool started, int error, const std::string& program, const std::string& target,
            std::ostream& out) {
  if (!started) {
    const std::string through = IsWindowsProgram(program) ? " through wine" : "";
    throw std::runtime_error("cannot start " + program + through + ": " + std::strerror(error));
  }
  out << "Started " << TerminalText(program) << " on " << TerminalText(target) << '\n';
}

class OpenCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    CatalogSession session;
    const auto record = session.Store().GetFile(CatalogFileId(session.Store(), args.Positional()[0]));
    const std::string path = record->FullPath();
    const std::string folder(platform::FolderPart(path));
    if (args.Has("folder")) {
      RequireOpenablePath(folder);
      if (!platform::DirectoryExists(folder))
        throw std::runtime_error("the folder " + folder + " no longer exists; run 'kinshelf search'");
      const bool started = OpenFolder(folder);
      const int error = errno;
      Report(started, error, "xdg-open", folder, io.out);
      return 0;
    }
    if (!platform::FileExists(path))
      throw std::runtime_error(NotFoundMessage(path, folder, record->FileID()));
    RequireOpenablePath(path);
    const std::string program = ProgramFor(session, record->Kind());
    const bool started = LaunchProgram(program, path);
    const int error = errno;
    Report(started, error, program, path, io.out);
    return 0;
  }

 private:
  CommandSpec spec_{"open",
                    "ID|PATH",
                    "open a catalogued file in its genealogy program",
                    "Starts the genealogy program set for the file's kind on a catalogued file, given by "
                    "its catalog id (as 'kinshelf list' shows it) or its path. Windows programs (.exe) "
                    "are started through wine. When no program is set yet, the installed programs are "
                    "looked for first, as 'kinshelf programs' does.",
                    {{"folder", "", "open the file's folder in the file browser instead"}},
                    1,
                    1};
};

}  // namespace

std::unique_ptr<Command> MakeOpenCommand() {
  return std::make_unique<OpenCommand>();
}

}  // namespace kinshelf::cli
