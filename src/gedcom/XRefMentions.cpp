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
      sizes_ |= std::uint64_t{1} << std::min<std::size_t>(identifier.size(), kLongSize);
      const auto size = static_cast<std::ptrdiff_t>(identifier.size());
      const std::size_t bit = Bit(Prefix(identifier.data(), size), size);
      filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
  }

  // True when the '@' at `at` opens one of the identifiers. This and Opens are rare steps of the
  // search's loop over blocks: inlined there, they would crowd its own values out of registers.
  [[gnu::noinline]] bool Opened(const char* at, const char* end) const {
    const char* from = at + 1;
    // Half of all '@' close an identifier, and many others open one not looked for: the byte after
    // the '@' rules them out before anything is measured.
    if (from >= end || !firstBytes_[static_cast<unsigned char>(*from)]) return false;
    const std::ptrdiff_t size = IdentifierSize(from, std::min(end - from, longest_ + 1));
    return size > 0 && Opens(from, size, end);
  }

  // True when the `size` bytes at `from`, which an '@' or NUL ends before `end`, are one of the
  // identifiers.
  [[gnu::noinline]] bool Opens(const char* from, std::ptrdiff_t size, const char* end) const {
    if (size == 0 || size > longest_ || !firstBytes_[static_cast<unsigned char>(*from)]) return false;
    const std::size_t bit = Bit(end - from >= 8 ? WidePrefix(from, size) : Prefix(from, size), size);
    if ((filter_[bit / 64] & (std::uint64_t{1} << (bit % 64))) == 0) return false;
    const std::string_view written(from, static_cast<std::size_t>(size));
    return std::find(identifiers_.begin(), identifiers_.end(), written) != identifiers_.end();
  }

  // The sizes of the identifiers as bits; every size from kLongSize on is bit kLongSize.
  static constexpr std::size_t kLongSize = 63;
  std::uint64_t Sizes() const { return sizes_; }

 private:
  // How many bytes before the first '@' or NUL among the `room` bytes at p; -1 without one.
  static std::ptrdiff_t IdentifierSize(const char* p, std::ptrdiff_t room) {
    for (std::ptrdiff_t size = 0; size < room; ++size) {
      if (p[size] == '@' || p[size] == '\0') return size;
    }
    return -1;
  }

  // The first `size` bytes at p, eight at most, as a word whose other bytes are zero.
  static std::uint64_t Prefix(const char* p, std::ptrdiff_t size) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, static_cast<std::size_t>(std::min<std::ptrdiff_t>(size, 8)));
    return word;
  }

  // The same, from eight bytes that can all be read: one load, where copying fewer bytes into the
  // word would make the next load wait for the copy.
  static std::uint64_t WidePrefix(const char* p, std::ptrdiff_t size) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if (size >= 8) return word;
    const auto bits = static_cast<unsigned>(8 * size);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return word & ~(~std::uint64_t{0} >> bits);
#else
    return word & ((std::uint64_t{1} << bits) - 1);
#endif
  }

  // A hash of the size and the prefix of an identifier, as a bit of the filter.
  static std::size_t Bit(std::uint64_t word, std::ptrdiff_t size) {
    word ^= static_cast<std::uint64_t>(size) << 59;
    return static_cast<std::size_t>((word * 0x9E3779B97F4A7C15u) >> (64 - kFilterBits));
  }

  static constexpr int kFilterBits = 12;
  const std::vector<std::string_view>& identifiers_;
  std::ptrdiff_t longest_ = 0;
  std::uint64_t sizes_ = 0;
  // The first bytes of the identifiers looked for.
  std::array<bool, 256> firstBytes_{};
  std::array<std::uint64_t, (1u << kFilterBits) / 64> filter_{};
};

#if defined(__SSE2__)
// The bytes of a block of 64 that matter to the search, one bit per byte.
struct BlockBits {
  std::uint64_t ats = 0;    // '@'
  std::uint64_t stops = 0;  // '@' or NUL: where an identifier ends
};

// Rules out, 64 bytes at a time and without a branch per byte, every '@' that cannot open an
// identifier of the sizes looked for.
class BlockFilter {
 public:
  explicit BlockFilter(const Identifiers& identifiers) : sizes_(identifiers.Sizes()) {}

  static BlockBits BitsAt(const char* p) {
    const __m128i at = _mm_set1_epi8('@');
    const __m128i nul = _mm_setzero_si128();
    std::uint32_t ats[4];
    std::uint32_t stops[4];
    for (int part = 0; part < 4; ++part) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
      const __m128i isAt = _mm_cmpeq_epi8(bytes, at);
      ats[part] = static_cast<std::uint32_t>(_mm_movemask_epi8(isAt));
      stops[part] =
          static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(isAt, _mm_cmpeq_epi8(bytes, nul))));
    }
    return {Joined(ats), Joined(stops)};
  }

  // How many bytes after the '@' at `bit` of the block `here` come before the next '@' or NUL, when
  // that lies within this block and the next one; 64 when it does not.
  static std::ptrdiff_t IdentifierSize(const BlockBits& here, const BlockBits& next, int bit) {
    const auto from = static_cast<unsigned>(bit) + 1;
    const std::uint64_t later = from == 64 ? next.stops : (here.stops >> from) | (next.stops << (64 - from));
    return later != 0 ? __builtin_ctzll(later) : 64;
  }

  // The '@' of the block `here` followed by an '@' or NUL where an identifier of one of the sizes
  // looked for would end. Identifiers shorter than kLongSize end within this block and the next one;
  // with a longer one, every '@' is a candidate.
  std::uint64_t Candidates(const BlockBits& here, const BlockBits& next) const {
    std::uint64_t stopsAfter = 0;
    for (std::uint64_t sizes = sizes_; sizes != 0; sizes &= sizes - 1) {
      const auto size = static_cast<unsigned>(__builtin_ctzll(sizes));
      if (size == Identifiers::kLongSize) return here.ats;
      const unsigned distance = size + 1;
      stopsAfter |= (here.stops >> distance) | (next.stops << (64 - distance));
    }
    return here.ats & stopsAfter;
  }

 private:
  // Four 16-bit masks as one of 64 bits, the first lowest.
  static std::uint64_t Joined(const std::uint32_t (&parts)[4]) {
    return (std::uint64_t{parts[3] << 16 | parts[2]} << 32) | (parts[1] << 16 | parts[0]);
  }

  std::uint64_t sizes_;
};
#endif

// The first '@' in [p, to) that opens one of the identifiers, or `to`; the identifier after it may
// run on to the end.
const char* NextOpening(const char* p, const char* to, const char* end, const Identifiers& identifiers) {
#if defined(__SSE2__)
  // Nearly every block of 64 bytes of GEDCOM text holds an '@', but almost none a candidate: the
  // blocks' bits rule the rest out without a branch per '@'.
  if (to - p >= 128) {
    const BlockFilter filter(identifiers);
    BlockBits here = BlockFilter::BitsAt(p);
    for (; to - p >= 128; p += 64) {
      const BlockBits next = BlockFilter::BitsAt(p + 64);
      for (std::uint64_t candidates = filter.Candidates(here, next); candidates != 0;
           candidates &= candidates - 1) {
        const int bit = __builtin_ctzll(candidates);
        const std::ptrdiff_t size = BlockFilter::IdentifierSize(here, next, bit);
        const bool opens =
            size < 64 ? identifiers.Opens(p + bit + 1, size, end) : identifiers.Opened(p + bit, end);
        if (opens) return p + bit;
      }
      here = next;
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
