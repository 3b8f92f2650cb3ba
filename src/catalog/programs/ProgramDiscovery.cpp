// Finding the installed genealogy programs for the program settings that are still empty.
#include "catalog/programs/ProgramDiscovery.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "catalog/programs/ProgramAssociations.h"
#include "platform/FileInfo.h"
#include "platform/Launcher.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"
#include "platform/WinePaths.h"
#include "platform/WineRegistry.h"

namespace kinshelf {

namespace {

// A setting and the paths below a Program Files folder that may hold its program, best first.
struct Probe {
  opt::Catalog setting;
  std::array<std::string_view, 3> candidates;  // unused places are empty
};

constexpr std::array<Probe, 7> kProgramFilesProbes{{
    {opt::AppRM, {"\\rootsmagic 3\\RootsMagic.exe", "\\rootsmagic 4\\RootsMagic.exe"}},
    {opt::AppPAF, {"\\FamilySearch\\paf5\\paf5.exe"}},
    {opt::AppFTM,
     {"\\Family Tree Maker 2010\\FTM.exe", "\\Family Tree Maker 2009\\FTM.exe",
      "\\Family Tree Maker 2006\\FTW.exe"}},
    {opt::AppAQ,
     {"\\Incline Software\\Ancestral Quest 12.1\\ancquest.exe",
      "\\Incline Software\\Ancestral Quest 12\\ancquest.exe"}},
    {opt::AppHFT, {"\\MyHeritage\\Bin\\MyHeritage.exe"}},
    {opt::App2, {"\\Genbox Family History\\genbox.exe"}},
    {opt::AppTMG, {"\\The Master Genealogist v7\\tmg7.exe", "\\The Master Genealogist v6\\tmg6.exe"}},
}};

constexpr std::array<std::string_view, 1> kPedoraCandidates{"\\orrinvale\\pedora\\pedora.exe"};
constexpr std::string_view kPedoraLite = "pedoralite.exe";
constexpr std::string_view kLegacyFixedPath = "c:\\legacy\\legacy.exe";
constexpr std::array<std::string_view, 6> kLegacyKeys{
    "Software\\Millennia Corporation\\Legacy 7.5\\", "Software\\Millennia Corporation\\Legacy 7.0\\",
    "Software\\Millennia Corporation\\Legacy 6.0\\", "Software\\Millennia Corporation\\Legacy 5.0\\",
    "Software\\Millennia Corporation\\Legacy 4.0\\", "Software\\Millennia Corporation\\Legacy 3.0\\"};
constexpr std::string_view kLegacyKeysParent = "Software\\Millennia Corporation";
constexpr std::string_view kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kCurrentVersion32Key = "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kGramps = "gramps";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The Wine prefix as the probes see it; its registry and Program Files folders are read on first use.
class Prefix {
 public:
  explicit Prefix(std::string folder) : folder_(std::move(folder)) {}

  // The Linux path of a Windows path in the prefix.
  std::string PathOf(std::string_view windowsPath) const {
    return platform::PrefixPathOf(folder_, windowsPath);
  }

  bool KeyExists(std::string_view key) { return Registry().KeyExists(key); }
  // A path the registry holds; none when it holds control characters, which no Windows path has.
  std::optional<std::string> ReadPath(std::string_view key, std::string_view name) {
    auto path = Registry().ReadString(key, name);
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20; };
    if (path && std::any_of(path->begin(), path->end(), control)) return std::nullopt;
    return path;
  }

  // The first candidate below a Program Files folder that exists; empty when none does.
  template <std::size_t N>
  std::string FindInProgramFiles(const std::array<std::string_view, N>& candidates) {
    for (const auto candidate : candidates) {
      if (candidate.empty()) continue;
      for (const auto& folder : ProgramFilesFolders()) {
        const std::string path = PathOf(folder + std::string(candidate));
        if (platform::FileExists(path)) return path;
      }
    }
    return {};
  }

 private:
  // Windows paths: what the registry names, then the usual folders of 64-bit and 32-bit programs.
  const std::vector<std::string>& ProgramFilesFolders() {
    if (programFiles_) return *programFiles_;
    programFiles_.emplace();
    const auto add = [this](std::optional<std::string> folder) {
      if (!folder || folder->empty()) return;
      for (const auto& known : *programFiles_) {
        if (SameIgnoringCase(known, *folder)) return;
      }
      programFiles_->push_back(std::move(*folder));
    };
    add(ReadPath(kCurrentVersionKey, "ProgramFilesDir"));
    add(ReadPath(kCurrentVersionKey, "ProgramFilesDir (x86)"));
    add(ReadPath(kCurrentVersion32Key, "ProgramFilesDir"));
    add("C:\\Program Files");
    add("C:\\Program Files (x86)");
    return *programFiles_;
  }

  const platform::WineRegistry& Registry() {
    // Only the keys the probes read: the registry is read at every start.
    static constexpr std::array<std::string_view, 2> kKeysRead{kLegacyKeysParent, kCurrentVersionKey};
    if (!registry_)
      registry_ = platform::WineRegistry::Load(platform::JoinPath(folder_, "system.reg"), kKeysRead);
    return *registry_;
  }

  std::string folder_;
  std::optional<platform::WineRegistry> registry_;
  std::optional<std::vector<std::string>> programFiles_;
};

std::string FindPedora(Prefix& prefix, const ProgramEnvironment& environment) {
  std::string path = prefix.FindInProgramFiles(kPedoraCandidates);
  if (!path.empty()) return path;
  path = platform::JoinPath(environment.programFolder, kPedoraLite);
  return !environment.programFolder.empty() && platform::FileExists(path) ? path : std::string();
}

std::string FindLegacy(Prefix& prefix) {
  const std::string fixed = prefix.PathOf(kLegacyFixedPath);
  if (platform::FileExists(fixed)) return fixed;
  for (const auto key : kLegacyKeys) {
    if (!prefix.KeyExists(key)) continue;
    const auto installPath = prefix.ReadPath(key, "InstallPath");
    return installPath ? prefix.PathOf(*installPath + "\\legacy.exe") : std::string();
  }
  return {};
}

}  // namespace

ProgramEnvironment ProgramEnvironment::Current() {
  const char* path = std::getenv("PATH");
  const std::string executable = platform::ExecutablePath();
  return ProgramEnvironment{
      platform::WinePrefix(), path != nullptr ? path : "",
      executable.empty() ? std::string() : std::string(platform::FolderPart(executable))};
}

bool DiscoverPrograms(WOptions& options, const ProgramEnvironment& environment) {
  Prefix prefix(environment.winePrefix);
  bool filled = false;
  const auto fill = [&](opt::Catalog setting, const std::string& program) {
    // A path the settings cannot hold is no program found.
    if (program.empty() || !WOptions::CanHold(program) || !options.GetString(setting).empty()) return;
    options.SetString(setting, program);
    filled = true;
  };
  const auto empty = [&](opt::Catalog setting) { return options.GetString(setting).empty(); };
  if (empty(opt::AppPedora)) {
    const std::string pedora = FindPedora(prefix, environment);
    fill(opt::AppPedora, pedora);
    fill(opt::AppGed, pedora);
  }
  if (empty(opt::AppLeg)) fill(opt::AppLeg, FindLegacy(prefix));
  for (const auto& probe : kProgramFilesProbes) {
    if (empty(probe.setting)) fill(probe.setting, prefix.FindInProgramFiles(probe.candidates));
  }
  if (empty(opt::AppGed)) fill(opt::AppGed, platform::FindInSearchPath(kGramps, environment.searchPath));
  return filled;
}

std::string ProgramForKind(WOptions& options, FileKind kind, const ProgramEnvironment& environment) {
  const int setting = ProgramSettingForKind(kind);
  if (setting < 0) return {};
  const auto id = static_cast<opt::Catalog>(setting);
  if (options.GetString(id).empty() && DiscoverPrograms(options, environment)) options.Save();
  return options.GetString(id);
}

}  // namespace kinshelf
