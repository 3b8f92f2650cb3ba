// Choosing the reader for a file.
#include "readers/ReaderFactory.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "gedcom/WGEDCollection.h"
#include "paf/WPAF34Collection.h"
#include "paf/WPAF5Collection.h"
#include "platform/AsciiCase.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

namespace kinshelf {

namespace {

constexpr std::array<std::pair<std::string_view, ReaderFormat>, 10> kFormatCodes{{
    {".ged", ReaderFormat::kGedcom},
    {".sub", ReaderFormat::kGedcom},
    {".xxx", ReaderFormat::kGedcom},
    {".paf", ReaderFormat::kPaf},
    {".ftw", ReaderFormat::kFamilyTreeMaker},
    {".fbk", ReaderFormat::kFamilyTreeMaker},
    {".tmg", ReaderFormat::kTmg},
    {".pjc", ReaderFormat::kMasterGenealogistProject},
    {".rmg", ReaderFormat::kRootsMagic},
    {".rmgc", ReaderFormat::kRootsMagic},
}};

// Up to `size` bytes from the start of the file; fewer (or none) when it is shorter or unreadable.
std::string FirstBytes(const std::string& fullPath, std::size_t size) {
  const auto fd = platform::OpenExistingFile(fullPath, false);
  if (!fd.IsOpen()) return {};
  std::string bytes(size, '\0');
  const auto read = platform::ReadAt(fd.Get(), bytes.data(), size, 0);
  bytes.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return bytes;
}

// The collection of the file's PAF version; a file that is none of the three, or that the container
// refuses, gives the error.
std::unique_ptr<WABSCollection> CreatePafCollection(const std::string& fullPath, std::string& error,
                                                    const WOptions& options) {
  try {
    switch (PafVersion(fullPath)) {
      case 300:
      case 400:
        return std::make_unique<WPAF34Collection>(fullPath, options);
      case 500:
        return std::make_unique<WPAF5Collection>(fullPath, options);
      default:
        error = "Unknown PAF file format";
        return nullptr;
    }
  } catch (const std::runtime_error& failure) {
    error = failure.what();
    return nullptr;
  }
}

}  // namespace

ReaderFormat FormatCodeFromExtension(std::string_view extension) {
  for (const auto& [known, code] : kFormatCodes) {
    if (platform::EqualsIgnoringAsciiCase(extension, known)) return code;
  }
  return ReaderFormat::kUnknown;
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
  return PafSignatureVersion(FirstBytes(fullPath, kPafSignatureEnd));
}

std::unique_ptr<WABSCollection> CreateCollection(const std::string& fullPath, std::string& error,
                                                 ReaderFormat format, const WOptions& options) {
  error.clear();
  if (format == ReaderFormat::kUnknown) format = FormatCodeFromExtension(platform::ExtensionPart(fullPath));
  if (format == ReaderFormat::kGedcom) {
    if (IsUnicodeGedcom(fullPath)) {
      error = "Error: Cannot read unicode GEDCOM file\r" + fullPath;
      return nullptr;
    }
    try {
      return std::make_unique<WGEDCollection>(fullPath, options);
    } catch (const std::runtime_error& failure) {
      error = failure.what();
      return nullptr;
    }
  }
  if (format == ReaderFormat::kPaf) return CreatePafCollection(fullPath, error, options);
  error = "Unknown file format";
  return nullptr;
}

}  // namespace kinshelf
