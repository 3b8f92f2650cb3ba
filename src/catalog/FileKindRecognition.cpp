// Telling which kind of genealogy file a found file is.
#include "catalog/FileKindRecognition.h"

#include <array>

#include "fileaccess/WMMFReadOnly.h"
#include "platform/AsciiCase.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"

namespace kinshelf {

namespace {

constexpr std::string_view kJetSignature = "Standard Jet";
constexpr std::size_t kJetSignatureOffset = 4;
constexpr std::size_t kJetHeaderLength = 16;

constexpr std::array<KindRule, 9> kRules{{
    {FileKind::kLegacy, "fdb", true},
    {FileKind::kRootsMagic, "rmg,rmgc", false},
    {FileKind::kPaf, "paf", false},
    {FileKind::kGedcom, "ged", false},
    {FileKind::kFamilyTreeMaker, "ftw,fbk,ftm,ftmb", false},
    {FileKind::kAncestralQuest, "aq", false},
    {FileKind::kHeritage, "zed", false},
    {FileKind::kMasterGenealogist, "pjc", false},
    {FileKind::kGenbox, "gdb", true},
}};

bool ListHas(std::string_view list, std::string_view extension) {
  while (!list.empty()) {
    const auto comma = list.find(',');
    if (platform::EqualsIgnoringAsciiCase(list.substr(0, comma), extension)) return true;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

}  // namespace

const std::array<KindRule, 9>& KindRules() { return kRules; }

FileKind RecogniseKind(std::string_view fileName, const std::string& fullPath, const KindSet& enabled) {
  const auto dotted = platform::ExtensionPart(fileName);
  if (dotted.size() < 2) return FileKind::kUnknown;
  const auto extension = dotted.substr(1);
  FileKind found = FileKind::kUnknown;
  for (const auto& rule : kRules) {
    if (!enabled[rule.kind] || !ListHas(rule.extensions, extension)) continue;
    if (rule.kind == FileKind::kGenbox && fileName == "GeoDB.gdb") continue;
    if (rule.needsJetHeader && !IsJetDatabase(fullPath)) continue;
    found = rule.kind;
  }
  return found;
}

bool IsJetDatabase(const std::string& fullPath) {
  if (!platform::FileExists(fullPath)) return false;
  try {
    const WMMFReadOnly file(fullPath);
    const auto bytes = file.Bytes();
    if (bytes.size() <= kJetHeaderLength) return false;
    const std::string_view signature(reinterpret_cast<const char*>(bytes.data()) + kJetSignatureOffset,
                                     kJetSignature.size());
    return platform::EqualsIgnoringAsciiCase(signature, kJetSignature);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace kinshelf
