// The PAF version a file's signature tells: the rule both the reader factory and the mapped PAF file
// follow, so that they never disagree about which reader a file gets.
//
//   offset  bytes  meaning
//   4       4      first text, ended by its first zero byte: "500" in PAF 5
//   8       4      second text, ended by its first zero byte: "300", "400", or "PAF" in PAF 5
#pragma once

#include <cstddef>
#include <string_view>

namespace kinshelf {

// PAF versions the signature tells.
inline constexpr int kPafUnrecognised = 0;
// How many bytes from the start of a file the signature needs.
inline constexpr std::size_t kPafSignatureEnd = 12;

// 300, 400 or 500 by the signature in the first bytes of a file; kPafUnrecognised otherwise or when
// fewer than kPafSignatureEnd bytes are given.
int PafSignatureVersion(std::string_view firstBytes);

}  // namespace kinshelf
