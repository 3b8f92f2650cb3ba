// Finds where a text mentions given cross-reference identifiers.
#include "gedcom/XRefMentions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <thread>

#include "gedcom/GedcomScan.h"
#include "model/CancelFlag.h"
#include "platform/OrderedChunks.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kinshelf::gedcom {

namespace {

constexpr std::ptrdiff_t kPieceBytes = 8 << 20;
constexpr unsigned kMostThreads = 4;

// The identifiers looked for, with a filter that rules out almost every other one at the cost of
// a hash.
class Identifiers {
 public:
  explicit Identifiers(const std::vector<std::string_view>& identifiers) : identifiers_(identifiers) {
    for (const std::string_view identifier : identifiers) {
      if (!identifier.empty()) firstBytes_[static_cast<unsigned char>(identifier.front())] = true;
      longest_ = std::max(longest_, static_cast<std::ptrdiff_t>(identifier.size()));
      const std::size_t bit = Bit(identifier.data(), static_cast<std::ptrdiff_t>(identifier.size()));
      filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
  }

  // True when the '@' at `at` opens one of the identifiers.
  bool Opened(const char* at, const char* end) const {
    const char* from = at + 1;
    // Half of all '@' close an identifier, and many others open one not looked for: the byte after
    // the '@' rules them out before anything is measured.
    if (from >= end || !firstBytes_[static_cast<unsigned char>(*from)]) return false;
    const std::ptrdiff_t size = IdentifierSize(from, std::min(end - from, longest_ + 1));
    if (size <= 0) return false;
    const std::size_t bit = Bit(from, size);
    if ((filter_[bit / 64] & (std::uint64_t{1} << (bit % 64))) == 0) return false;
    const std::string_view written(from, static_cast<std::size_t>(size));
    return std::find(identifiers_.begin(), identifiers_.end(), written) != identifiers_.end();
  }

 private:
  // How many bytes before the first '@' or NUL among the `room` bytes at p; -1 without one.
  static std::ptrdiff_t IdentifierSize(const char* p, std::ptrdiff_t room) {
    for (std::ptrdiff_t size = 0; size < room; ++size) {
      if (p[size] == '@' || p[size] == '\0') return size;
    }
    return -1;
  }

  // A hash of the size and the first eight bytes, as a bit of the filter.
  static std::size_t Bit(const char* p, std::ptrdiff_t size) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, static_cast<std::size_t>(std::min<std::ptrdiff_t>(size, 8)));
    word ^= static_cast<std::uint64_t>(size) << 59;
    return static_cast<std::size_t>((word * 0x9E3779B97F4A7C15u) >> (64 - kFilterBits));
  }

  static constexpr int kFilterBits = 12;
  const std::vector<std::string_view>& identifiers_;
  std::ptrdiff_t longest_ = 0;
  // The first bytes of the identifiers looked for.
  std::array<bool, 256> firstBytes_{};
  std::array<std::uint64_t, (1u << kFilterBits) / 64> filter_{};
};

// The first '@' in [p, to) that opens one of the identifiers, or `to`; the identifier after it may
// run on to the end.
const char* NextOpening(const char* p, const char* to, const char* end, const Identifiers& identifiers) {
#if defined(__SSE2__)
  const __m128i at = _mm_set1_epi8('@');
  for (; to - p >= 16; p += 16) {
    auto mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), at)));
    for (; mask != 0; mask &= mask - 1) {
      const char* opening = p + __builtin_ctz(mask);
      if (identifiers.Opened(opening, end)) return opening;
    }
  }
#endif
  for (; p < to; ++p) {
    if (*p == '@' && identifiers.Opened(p, end)) return p;
  }
  return to;
}

// The first mention in each stretch of [from, to) between record starts: a record is read whole,
// so one mention of it is enough, and a file that repeats a mention endlessly costs no memory.
std::vector<const char*> FindInPiece(const char* from, const char* to, const char* end,
                                     const Identifiers& identifiers) {
  std::vector<const char*> found;
  for (const char* p = from; p < to;) {
    const char* opening = NextOpening(p, to, end, identifiers);
    if (opening == to) break;
    found.push_back(opening);
    p = FindRecordStart(opening, to);
  }
  return found;
}

}  // namespace

std::vector<const char*> FindXRefMentions(const WGEDTextMMF& text,
                                          const std::vector<std::string_view>& identifiers) {
  std::vector<const char*> mentions;
  const char* begin = text.TextStart();
  const char* end = text.TextEnd();
  if (identifiers.empty() || begin >= end) return mentions;
  const std::ptrdiff_t size = end - begin;
  const auto pieces = static_cast<std::size_t>((size + kPieceBytes - 1) / kPieceBytes);
  const unsigned threads = std::min(std::thread::hardware_concurrency(), kMostThreads);
  const Identifiers looked(identifiers);
  const auto search = [&](std::size_t piece) {
    if (CancelRequested()) return std::vector<const char*>();
    const std::ptrdiff_t from = static_cast<std::ptrdiff_t>(piece) * kPieceBytes;
    return FindInPiece(begin + from, begin + std::min(size, from + kPieceBytes), end, looked);
  };
  platform::OrderedChunks<std::vector<const char*>>::Run(
      pieces, threads, search,
      [&](std::vector<const char*>&& found) { mentions.insert(mentions.end(), found.begin(), found.end()); });
  return mentions;
}

}  // namespace kinshelf::gedcom
