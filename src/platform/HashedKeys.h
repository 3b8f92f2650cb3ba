// A fixed table of 32-bit keys (words of up to four bytes packed into one integer) and their
// values, built at compile time with every key in a bucket of its own, found by a multiplicative
// hash. A look-up is a multiply and one compare, where a search or a switch would branch on keys
// that come in no order a branch could learn: the tags of a record's lines, the words of a date.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kinshelf::platform {

template <typename Value, int kBits>
class HashedKeys {
 public:
  struct Entry {
    std::uint32_t key = 0;
    Value value{};
  };

  // The entries, a key written more than once counting with its first value. Key 0 is never found.
  template <std::size_t N>
  constexpr explicit HashedKeys(const std::array<Entry, N>& entries) : multiplier_(Multiplier(entries)) {
    for (const Entry& entry : entries) {
      Entry& bucket = buckets_[Bucket(entry.key, multiplier_)];
      if (bucket.key == 0) bucket = entry;
    }
  }

  // The value of `key`, or `missing`.
  Value Find(std::uint32_t key, Value missing) const {
    const Entry& bucket = buckets_[Bucket(key, multiplier_)];
    return bucket.key == key && key != 0 ? bucket.value : missing;
  }

 private:
  static constexpr std::size_t Bucket(std::uint32_t key, std::uint32_t multiplier) {
    return (key * multiplier) >> (32 - kBits);
  }

  // The first odd multiplier from the golden ratio's on that gives each key a bucket of its own.
  template <std::size_t N>
  static constexpr std::uint32_t Multiplier(const std::array<Entry, N>& entries) {
    for (std::uint32_t multiplier = 0x9E3779B1u;; multiplier += 2) {
      std::array<std::uint32_t, std::size_t{1} << kBits> taken{};
      bool clash = false;
      for (const Entry& entry : entries) {
        std::uint32_t& bucket = taken[Bucket(entry.key, multiplier)];
        clash = clash || (bucket != 0 && bucket != entry.key);
        bucket = entry.key;
      }
      if (!clash) return multiplier;
    }
  }

  std::uint32_t multiplier_;
  std::array<Entry, std::size_t{1} << kBits> buckets_{};
};

}  // namespace kinshelf::platform
