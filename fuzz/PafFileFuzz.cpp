// Fuzz target: write the input to a file (the container maps files), open it as a PAF file and, when
// it opens, look up records of every type, walk the chains from the header and from the first
// records, and follow text links. Opening may only fail with an error naming the file; nothing may
// fault, read past the mapping or hang, whatever the bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "paf/WPAFMMF.h"

namespace {

using kinshelf::WPAFMMF;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Record numbers around the block edges of every size, and a few far ones.
constexpr std::int32_t kNumbers[] = {-1, 0, 1, 2, 16, 17, 27, 28, 37, 38, 64, 65, 210, 211, 1000, 100000};

void Walk(const WPAFMMF& paf) {
  const auto size = static_cast<std::int64_t>(paf.Bytes().size());
  for (int type = -1; type <= 41; ++type) {
    for (const std::int32_t number : kNumbers) {
      const std::int64_t offset = paf.Locate(type, number);
      Check(offset == 0 || (offset > 0 && offset < size));
      if (const auto record = paf.Record(type, number)) Check(record->Remaining() > 0);
    }
  }
  for (const std::int32_t number : kNumbers) {
    Check(paf.CitationChain(number).size() <= static_cast<std::size_t>(size));
    Check(paf.NoteText(number).size() <= static_cast<std::size_t>(size));
    if (const auto text = paf.TextAt(number)) Check(text->size() <= 256);
  }
  paf.DeletedIndividuals();
  paf.DeletedMarriages();
  for (int map = 0; map < paf.MapCount(); ++map) Check(paf.MapTotal(map, 2) >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  char path[] = "/tmp/paf-file-fuzz-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return 0;
  const bool written = size == 0 || write(fd, data, size) == static_cast<ssize_t>(size);
  close(fd);
  if (written) {
    try {
      const WPAFMMF paf(path);
      Walk(paf);
    } catch (const std::runtime_error& error) {
      // Every refusal names the file: an empty one the mapping refuses, any other the container.
      Check(std::string(error.what()).find(path) != std::string::npos);
    }
  }
  unlink(path);
  return 0;
}
