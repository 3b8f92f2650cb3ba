// The starts of the lines after a line, as NextLineAt(p, end, true) finds them one at a time, but
// found for 64 bytes at once: a record's walk visits every line, and a loop over each line's bytes,
// with a branch on each line's level, costs more than most walks' work.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "gedcom/GedcomScan.h"

namespace kinshelf::gedcom {

class LineStarts {
 public:
  // Walks the lines after the one at `line` (see Walkable).
  LineStarts(const char* line, const char* end) : end_(end) { Load(line, 0); }

  // Whether there is a line to walk on from.
  static bool Walkable(const char* line, const char* end) { return line != nullptr && line < end; }

  // The next line start: the first byte that is neither blank nor a break after a CR or LF, with
  // only blanks and breaks between them. nullptr at the end.
  const char* Next() {
    while (starts_ == 0) {
      if (!LoadNext()) return nullptr;
    }
    return Take(starts_ & -starts_);
  }

  // The next line start whose level character is '1', unless a line starting with '0' (a record
  // start) comes first: then nullptr, as at the end. Lines of other levels are passed over without
  // a look at each one.
  const char* NextLevelOne() {
    for (;;) {
      const std::uint64_t levels = starts_ & (ones_ | zeros_);
      if (levels != 0) {
        const std::uint64_t first = levels & -levels;
        if ((first & zeros_) != 0) return End();
        return Take(first);
      }
      if (!LoadNext()) return nullptr;
    }
  }

 private:
  static constexpr std::ptrdiff_t kBlock = 64;

  // The start at bit `bit` of the block, with it and the starts before it dropped.
  const char* Take(std::uint64_t bit) {
    starts_ &= ~(bit | (bit - 1));
    return block_ + __builtin_ctzll(bit);
  }

  const char* End() {
    starts_ = 0;
    block_ = end_;
    return nullptr;
  }

  bool LoadNext() {
    if (end_ - block_ <= kBlock) {
      End();
      return false;
    }
    Load(block_ + kBlock, carry_);
    return true;
  }

  // The masks of the 64 bytes from `block`; bytes at or past the end are in none of them. `carry`
  // is 1 when the blanks and breaks that end the block before run on into this one and hold a break.
  void Load(const char* block, std::uint64_t carry) {
    block_ = block;
    const std::ptrdiff_t size = end_ - block;
    if (size >= kBlock) return Classify(block, ~std::uint64_t{0}, carry);
    char copy[kBlock] = {};
    std::memcpy(copy, block, static_cast<std::size_t>(size));
    Classify(copy, (std::uint64_t{1} << size) - 1, carry);
  }

  void Classify(const char* bytes, std::uint64_t inText, std::uint64_t carry) {
    std::uint64_t breaks = 0;
    std::uint64_t blanks = 0;
    std::uint64_t ones = 0;
    std::uint64_t zeros = 0;
    for (int part = 0; part < 4; ++part) {
      const int shift = 16 * part;
#if defined(__SSE2__)
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + shift));
      const auto is = [&v](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
      // One mask per class: the byte compares of a class are joined before their mask is taken.
      const auto mask = [](__m128i matches) {
        return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(matches)));
      };
      breaks |= mask(_mm_or_si128(is('\r'), is('\n'))) << shift;
      blanks |= mask(_mm_or_si128(is(' '), is('\t'))) << shift;
      ones |= mask(is('1')) << shift;
      zeros |= mask(is('0')) << shift;
#else
      for (int i = shift; i < shift + 16; ++i) {
        const char c = bytes[i];
        breaks |= static_cast<std::uint64_t>(IsBreak(c)) << i;
        blanks |= static_cast<std::uint64_t>(c == ' ' || c == '\t') << i;
        ones |= static_cast<std::uint64_t>(c == '1') << i;
        zeros |= static_cast<std::uint64_t>(c == '0') << i;
      }
#endif
    }
    const std::uint64_t others = ~(breaks | blanks) & inText;
    breaks &= inText;
    // Adding a break's bit to the run of blanks and breaks it stands in carries up to the byte that
    // ends the run: that byte starts a line. A run that reaches the block's end carries into the next.
    std::uint64_t sum = 0;
    const bool over = __builtin_add_overflow(~others, breaks, &sum);
    const bool carried = __builtin_add_overflow(sum, carry, &sum);
    carry_ = over || carried ? 1 : 0;
    starts_ = sum & others;
    ones_ = ones & inText;
    zeros_ = zeros & inText;
  }

  const char* end_;
  const char* block_ = nullptr;
  std::uint64_t starts_ = 0;
  std::uint64_t ones_ = 0;
  std::uint64_t zeros_ = 0;
  std::uint64_t carry_ = 0;
};

}  // namespace kinshelf::gedcom
