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
    if (from >= end || !FirstByteFits(*from)) return false;
    return Names(from, IdentifierSize(from, std::min(end - from, longest_ + 1)));
  }

  bool FirstByteFits(char c) const { return firstBytes_[static_cast<unsigned char>(c)]; }

  // True when the `size` bytes at p, which are followed by an '@' or a NUL, are one of the
  // identifiers; `size` is -1 when no such end was found.
  bool Names(const char* p, std::ptrdiff_t size) const {
    return size > 0 && size <= longest_ && MayName(Bit(p, size)) && Listed(p, size);
  }

  // Names(p, size) where eight bytes at p may be read: the filter's hash is taken from one load.
  bool NamesWithRoom(const char* p, std::ptrdiff_t size) const {
    if (size <= 0 || size > longest_) return false;
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if (size < 8) word &= (std::uint64_t{1} << (8 * size)) - 1;
    return MayName(BitOfWord(word, size)) && Listed(p, size);
  }

 private:
  // How many bytes before the first '@' or NUL among the `room` bytes at p; -1 without one.
  static std::ptrdiff_t IdentifierSize(const char* p, std::ptrdiff_t room) {
    for (std::ptrdiff_t size = 0; size < room; ++size) {
      if (p[size] == '@' || p[size] == '\0') return size;
    }
    return -1;
  }

  bool Listed(const char* p, std::ptrdiff_t size) const {
    const std::string_view written(p, static_cast<std::size_t>(size));
    return std::find(identifiers_.begin(), identifiers_.end(), written) != identifiers_.end();
  }

  bool MayName(std::size_t bit) const { return (filter_[bit / 64] & (std::uint64_t{1} << (bit % 64))) != 0; }

  // A hash of the size and the first eight bytes, as a bit of the filter.
  static std::size_t Bit(const char* p, std::ptrdiff_t size) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, static_cast<std::size_t>(std::min<std::ptrdiff_t>(size, 8)));
    return BitOfWord(word, size);
  }

  // The same hash of the first eight bytes as read into `word`, bytes past the size zero.
  static std::size_t BitOfWord(std::uint64_t word, std::ptrdiff_t size) {
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

#if defined(__SSE2__)
// One bit for each of the 32 bytes at p that is an '@' or a NUL: the only bytes that clear every bit
// but the one that sets '@' apart.
std::uint64_t EndMask32(const char* p) {
  const __m128i other = _mm_set1_epi8(static_cast<char>(~'@'));
  const auto half = [&](const char* q) {
    const __m128i bytes = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q)), other);
    return static_cast<std::uint64_t>(
        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()))));
  };
  return half(p) | half(p + 16) << 16;
}
#endif

// The first '@' in [p, to) that opens one of the identifiers, or `to`; the identifier after it may
// run on to the end.
const char* NextOpening(const char* p, const char* to, const char* end, const Identifiers& identifiers) {
#if defined(__SSE2__)
  // Each step looks at the '@' among 32 bytes, and finds where each identifier ends among those
  // and the next 32: the '@' or NUL after it is a bit of the same mask, so nothing is measured
  // byte by byte. The mask of the next 32 bytes serves the next step.
  if (to - p > 0 && end - p >= 64) {
    std::uint64_t ends = EndMask32(p);
    for (; to - p > 0 && end - p >= 64; p += 32) {
      ends |= EndMask32(p + 32) << 32;
      auto openings = static_cast<std::uint32_t>(ends);
      if (to - p < 32) openings &= (std::uint32_t{1} << (to - p)) - 1;
      for (; openings != 0; openings &= openings - 1) {
        const int at = __builtin_ctz(openings);
        const char* from = p + at + 1;
        if (p[at] != '@' || !identifiers.FirstByteFits(*from)) continue;
        const std::uint64_t after = ends >> (at + 1);
        if (after == 0 ? identifiers.Opened(p + at, end)
                       : identifiers.NamesWithRoom(from, __builtin_ctzll(after)))
          return p + at;
      }
      ends >>= 32;
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
