// Choosing the reader for a file.
#include "catalog/ReaderFactory.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "gedcom/WGEDCollection.h"
#include "model/CancelFlag.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"
#include "model/WABSNote.h"
#include "model/WABSRepo.h"
#include "model/WABSSource.h"
#include "model/WABSSubmitter.h"
#include "platform/AsciiCase.h"
#include "platform/FileIo.h"
#include "platform/MappingGuard.h"
#include "platform/Paths.h"

namespace kinshelf {

namespace {

constexpr std::array<std::pair<std::string_view, int>, 10> kFormatCodes{{
    {".ged", format::kGedcom},
    {".sub", format::kGedcom},
    {".xxx", format::kGedcom},
    {".paf", format::kPaf},
    {".ftw", format::kFamilyTreeMaker},
    {".fbk", format::kFamilyTreeMaker},
    {".tmg", format::kTmg},
    {".pjc", format::kMasterGenealogistProject},
    {".rmg", format::kRootsMagic},
    {".rmgc", format::kRootsMagic},
}};

// Bytes of the PAF signature: two texts of at most four characters, each ending at its first zero.
constexpr std::size_t kSignatureStart = 4;
constexpr std::size_t kSignatureLength = 8;

// Up to `size` bytes from the start of the file; fewer (or none) when it is shorter or unreadable.
std::string FirstBytes(const std::string& fullPath, std::size_t size) {
  const auto fd = platform::OpenExistingFile(fullPath, false);
  if (!fd.IsOpen()) return {};
  std::string bytes(size, '\0');
  const auto read = platform::ReadAt(fd.Get(), bytes.data(), size, 0);
  bytes.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return bytes;
}

std::string_view SignatureText(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

// A GEDCOM collection that stops reading a file another process shortens under it, and says so.
// The lost bytes read as zeros (see platform::MappingGuard), so nothing built from them can be
// trusted, and every record scan would run on through the zeros to the end of the mapping. So the
// first lost page cancels Load; Load and LinkRecords then throw std::runtime_error naming the file,
// and so does every record getter once pages are lost.
class CheckedGedcomCollection final : public WGEDCollection {
 public:
  using WGEDCollection::WGEDCollection;

  bool Load() override {
    platform::MappingGuard::SetDamageHook(&RequestCancel);
    bool loaded = false;
    try {
      loaded = WGEDCollection::Load();
    } catch (...) {
      platform::MappingGuard::SetDamageHook(nullptr);
      throw;
    }
    platform::MappingGuard::SetDamageHook(nullptr);
    if (Text().Damaged()) ThrowChanged();
    return loaded;
  }

  void LinkRecords() override {
    WGEDCollection::LinkRecords();
    if (Text().Damaged()) ThrowChanged();
  }

  std::unique_ptr<WABSIndividual> GetIndividual(std::int32_t index) override {
    RequireNoLostPages();
    return WGEDCollection::GetIndividual(index);
  }
  std::unique_ptr<WABSMarriage> GetMarriage(std::int32_t index) override {
    RequireNoLostPages();
    return WGEDCollection::GetMarriage(index);
  }
  std::unique_ptr<WABSSubmitter> GetSubmitter() override {
    RequireNoLostPages();
    return WGEDCollection::GetSubmitter();
  }
  std::unique_ptr<WABSNote> GetNote(std::int32_t index) override {
    RequireNoLostPages();
    return WGEDCollection::GetNote(index);
  }
  std::unique_ptr<WABSSource> GetSource(std::int32_t index) override {
    RequireNoLostPages();
    return WGEDCollection::GetSource(index);
  }
  std::unique_ptr<WABSRepo> GetRepo(std::int32_t index) override {
    RequireNoLostPages();
    return WGEDCollection::GetRepo(index);
  }

 private:
  void RequireNoLostPages() const {
    if (Text().LostPages()) ThrowChanged();
  }
  [[noreturn]] void ThrowChanged() const {
    throw std::runtime_error(FilePath() + ": the file changed while it was being read");
  }
};

}  // namespace

int FormatCodeFromExtension(std::string_view extension) {
  for (const auto& [known, code] : kFormatCodes) {
    if (platform::EqualsIgnoringAsciiCase(extension, known)) return code;
  }
  return format::kUnknown;
}

bool IsUnicodeGedcom(const std::string& fullPath) {
  const std::string start = FirstBytes(fullPath, 3);
  if (start.size() < 2) return false;
  const bool littleEndianMark = start[0] == '\xff' && start[1] == '\xfe';
  // A big-endian mark, or a zero byte among the first two (a text GEDCOM file never has one),
  // is UTF-16 too; read as 8-bit text it would look like a file without any record.
  const bool otherUtf16 = (start[0] == '\xfe' && start[1] == '\xff') || start[0] == '\0' || start[1] == '\0';
  return littleEndianMark || otherUtf16;
}

int PafVersion(const std::string& fullPath) {
  const std::string bytes = FirstBytes(fullPath, kSignatureStart + kSignatureLength);
  if (bytes.size() < kSignatureStart + kSignatureLength) return kPafUnrecognised;
  const auto first = SignatureText(std::string_view(bytes).substr(kSignatureStart, 4));
  const auto second = SignatureText(std::string_view(bytes).substr(kSignatureStart + 4, 4));
  if (second == "300") return 300;
  if (second == "400") return 400;
  if (second == "PAF" && first == "500") return 500;
  return kPafUnrecognised;
}

std::unique_ptr<WABSCollection> CreateCollection(const std::string& fullPath, std::string& error,
                                                 int formatCode, const WOptions& options) {
  error.clear();
  if (formatCode == format::kUnknown) formatCode = FormatCodeFromExtension(platform::ExtensionPart(fullPath));
  if (formatCode == format::kGedcom) {
    if (IsUnicodeGedcom(fullPath)) {
      error = "Error: Cannot read unicode GEDCOM file\r" + fullPath;
      return nullptr;
    }
    try {
      return std::make_unique<CheckedGedcomCollection>(fullPath, options);
    } catch (const std::runtime_error& failure) {
      error = failure.what();
      return nullptr;
    }
  }
  if (formatCode == format::kPaf) {
    // The PAF readers come later; until then every PAF file is refused by its version.
    error = PafVersion(fullPath) == kPafUnrecognised ? "Unknown PAF file format"
                                                     : "Reading PAF files is not available yet";
    return nullptr;
  }
  error = "Unknown file format";
  return nullptr;
}

}  // namespace kinshelf
