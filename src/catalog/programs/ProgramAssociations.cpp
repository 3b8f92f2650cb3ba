// The genealogy program that opens each kind of catalogued file, and starting it on a file.
#include "catalog/programs/ProgramAssociations.h"

#include <array>
#include <cerrno>
#include <stdexcept>

#include "catalog/FileKinds.h"
#include "platform/FileInfo.h"
#include "platform/Launcher.h"
#include "platform/WinePaths.h"
#include "settings/OptionIds.h"
#include "settings/OptionTables.h"

namespace kinshelf {

namespace {

struct Association {
  int setting;
  std::string_view name;
};

// Index: kind code - 1.
constexpr std::array<Association, 9> kAssociations{{
    {opt::AppAQ, "Ancestral Quest"},
    {opt::AppFTM, "Family Tree Maker"},
    {opt::AppGed, "Gedcom"},
    {opt::AppHFT, "Heritage"},
    {opt::AppLeg, "Legacy"},
    {opt::AppPAF, "PAF"},
    {opt::AppRM, "RootsMagic"},
    {opt::AppTMG, "TMG"},
    {opt::App2, "Genbox"},
}};

const Association* AssociationOf(FileKind kind) {
  const int code = KindCode(kind);
  if (code < 1 || code > static_cast<int>(kAssociations.size())) return nullptr;
  return &kAssociations[static_cast<std::size_t>(code - 1)];
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
  for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
    std::size_t i = 0;
    while (i < part.size() && lower(text[start + i]) == part[i]) ++i;
    if (i == part.size()) return true;
  }
  return false;
}

}  // namespace

int ProgramSettingForKind(FileKind kind) {
  const Association* association = AssociationOf(kind);
  return association == nullptr ? -1 : association->setting;
}

std::string ProgramNameForKind(FileKind kind) {
  const Association* association = AssociationOf(kind);
  return association == nullptr ? std::string() : std::string(association->name);
}

std::string_view ProgramSettingKey(FileKind kind) {
  const Association* association = AssociationOf(kind);
  if (association == nullptr) return {};
  return opt::CatalogRows()[static_cast<std::size_t>(association->setting - opt::kCatalogFirst)].key;
}

bool PedoraEnabled(const std::string& appPedora, bool fileExists, FileKind kind, const std::string& extension,
                   bool current) {
  if (appPedora.empty()) return true;
  if (!fileExists) return false;
  switch (kind) {
    case FileKind::kAncestralQuest:
    case FileKind::kHeritage:
    case FileKind::kGenbox:
      return false;
    case FileKind::kFamilyTreeMaker:
      return !ContainsIgnoringCase(extension, "ftm");
    case FileKind::kRootsMagic:
      return !ContainsIgnoringCase(extension, "rmgc");
    case FileKind::kGedcom:
    case FileKind::kLegacy:
    case FileKind::kPaf:
    case FileKind::kMasterGenealogist:
      return true;
    default:
      return current;
  }
}

bool IsWindowsProgram(std::string_view program) {
  return program.size() >= 4 && ContainsIgnoringCase(program.substr(program.size() - 4), ".exe");
}

bool LaunchProgram(const std::string& program, const std::string& file) {
  if (program.empty() || file.empty()) {
    errno = EINVAL;
    return false;
  }
  if (!IsWindowsProgram(program)) return platform::StartDetached({program, file});
  // Wine would start and only then complain about a missing program, where nobody sees it.
  if (program.find('/') != std::string::npos && !platform::FileExists(program)) {
    errno = ENOENT;
    return false;
  }
  // Windows would take a backslash in a Linux name for a separator, and the program would be given
  // another file.
  if (file.find('\\') != std::string::npos) {
    throw std::runtime_error(file + " cannot be given to a Windows program: it would take the \\ in its " +
                             "name for a folder separator");
  }
  return platform::StartDetached({"wine", program, platform::WinePathOf(file)});
}

bool OpenFolder(const std::string& folder) {
  return platform::StartDetached({"xdg-open", folder});
}

}  // namespace kinshelf
