// Choosing the reader for a file: the format code of its extension, the header bytes that tell a
// UTF-16 GEDCOM file and the PAF version apart, and the collection that reads it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "paf/PafSignature.h"
#include "readers/ReaderFormat.h"

namespace kinshelf {

class WABSCollection;
class WOptions;

// The format of an extension (dot included), compared without regard to case: .ged, .sub and .xxx
// are GEDCOM, .paf is PAF, and so on; anything else is kUnknown.
ReaderFormat FormatCodeFromExtension(std::string_view extension);

// True when the file starts with FF FE, the UTF-16 little-endian byte order mark, or is UTF-16
// otherwise (the big-endian mark FE FF, or a zero byte among its first two); false when it cannot
// be read.
bool IsUnicodeGedcom(const std::string& fullPath);

// 300, 400 or 500 by the file's signature (PafSignatureVersion); kPafUnrecognised otherwise or when
// the file cannot be read.
int PafVersion(const std::string& fullPath);

// A new, not yet loaded collection for the file, owned by the caller, or nullptr with `error` set:
// "Error: Cannot read unicode GEDCOM file" + CR + path, "Unknown PAF file format" or
// "Unknown file format". ReaderFormat::kUnknown means: decide by the extension. The collection reads
// its texts' settings from `options`, which must outlive it. Never throws for an unreadable or
// unusable file; a file that cannot be mapped is reported with the mapping's message, a damaged PAF
// file with the container's ("PATH: reason"). A file shortened by another program while it is read
// makes Load, LinkRecords and the record getters throw std::runtime_error "PATH: the file changed
// while it was being read".
std::unique_ptr<WABSCollection> CreateCollection(const std::string& fullPath, std::string& error,
                                                 ReaderFormat format, const WOptions& options);

}  // namespace kinshelf
