// A set of file kinds: which kinds a listing shows or a search looks for.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "catalog/FileKinds.h"

namespace kinshelf {

class KindSet {
 public:
  // The empty set.
  constexpr KindSet() = default;
  // Every one of the nine kinds.
  static constexpr KindSet All() {
    KindSet set;
    for (const auto& info : kFileKinds) set[info.kind] = true;
    return set;
  }

  // Whether the set holds the kind; false for kUnknown and codes outside 1..9.
  constexpr bool operator[](FileKind kind) const { return IsKnown(kind) && flags_[Slot(kind)]; }
  // The flag of one of the nine kinds.
  constexpr bool& operator[](FileKind kind) {
    assert(IsKnown(kind));
    return flags_[Slot(kind)];
  }
  constexpr bool operator==(const KindSet&) const = default;

 private:
  static constexpr bool IsKnown(FileKind kind) {
    return KindCode(kind) >= 1 && KindCode(kind) <= static_cast<int>(kFileKinds.size());
  }
  static constexpr std::size_t Slot(FileKind kind) { return static_cast<std::size_t>(KindCode(kind)); }

  std::array<bool, kFileKinds.size() + 1> flags_{};
};

}  // namespace kinshelf
