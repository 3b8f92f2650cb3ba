// The content test of the file search: whether an open file contains the phrase of a TContentCriteria.
#pragma once

#include <cstddef>

#include "catalog/findfile/TContentCriteria.h"

namespace kinshelf {

// Files are read in blocks of this size (or of the phrase length + 1 when the phrase is longer).
inline constexpr std::size_t kContentBlockSize = 61440;

// Whether the file open as `fd` contains the criteria's phrase, reading it from offset 0 in blocks of
// `blockSize` bytes with a carry-over, so that a phrase across two blocks is found. With WholeWord a
// match counts only when the bytes around it are not alphanumeric (ASCII letters and digits, and every
// byte from 0x80, so that UTF-8 letters are word characters); the start and the end of the file are not.
// A read error means no match. An empty phrase matches every file.
bool ContainsPhrase(int fd, const TContentCriteria& criteria, std::size_t blockSize = kContentBlockSize);

}  // namespace kinshelf
