// The packed date forms of PAF files as the date decoder reads them. All integers are little-endian.
//
// PAF 3 AND PAF 4: 6 BYTES
//
//   offset  bytes  meaning
//   0       2      word W0: bits 3-15 the year (13 bits); bits 0-2 not read
//   2       2      word W1: bits 3-7 the month, bits 11-15 the day (5 bits each); bits 0-2, 8-10 not read
//   4       1      qualifier: 1 after, 2 before, 3 about, 4 calculated, 6 estimated; anything else none
//   5       1      dual-year offset: above 0, the second year is the year plus this (1750/1751)
//
// The same bytes hold an LDS status word instead when the 32-bit value of bytes 2-5 is one of the
// status codes below (byte 2 the code, bytes 3-5 zero). An LDS ordinance whose W0 is exactly 1 holds a
// text link in bytes 2-5 instead; the ordinance reads that form itself, the decoder never sees it.
//
// PAF 5: 12 BYTES
//
//   offset  bytes  meaning
//   0       1      bits 0-3 the kind (0 none, 1 status word, 2 single date, 3 and 4 two parts, 5-15
//                  none); bits 4-5 the encoding of the first part, bits 6-7 that of the second
//   1       1      kind 1: the status code; kinds 2-4: qualifier (1 about, 2 after, 3 before,
//                  4 estimated, 5 calculated; anything else none)
//   2       5      first part
//   7       5      second part
//
// A part is read by its encoding: 1 a day number, 2 a text link, 0 and 3 nothing.
//
//   encoding    offset  bytes  meaning
//   day number  0       1      not read
//               1       1      omission flags: 0x80 no year, 0x40 no month, 0x20 no day
//               2       3      Julian Day Number, 24 bits (2451545 is 1 January 2000)
//   text link   0       4      signed file offset of a text record; 0 and -1 link nothing
//
// A text record holds its text from byte 13: at most 256 bytes, ended by a zero byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/dates/DateWords.h"

namespace kinshelf::paf {

inline constexpr std::size_t kShortDateSize = 6;
inline constexpr std::size_t kLongDateSize = 12;
inline constexpr std::size_t kLongDatePartSize = 5;

// A status word of a 6-byte date and the value of bytes 2-5 that stands for it.
struct ShortStatusWord {
  std::uint32_t value;
  std::string_view text;
};

inline constexpr std::array<ShortStatusWord, 9> kShortStatusWords{{
    {104, "BIC"},
    {120, "CHILD"},
    {128, "CLEARED"},
    {136, "COMPLETED"},
    {184, "INFANT"},
    {200, "PRE-1970"},
    {208, "STILLBORN"},
    {216, "UNCLEARED"},
    {232, "SUBMITTED"},
}};

// The date qualifier of a 6-byte date's byte 4, indexed by that byte; beyond the table none.
inline constexpr std::array<int, 7> kShortQualifiers{
    0, kQualifierAfter, kQualifierBefore, kQualifierAbout, kQualifierCalculated, 0, kQualifierEstimated};

// The status words of a 12-byte date's byte 1, code 1 first.
inline constexpr std::array<std::string_view, 19> kLongStatusWords{
    "BIC",       "CANCELLED", "CHILD",     "CLEARED",  "COMPLETED",  "DEAD",     "DECEASED",
    "DONE",      "DNS",       "DNSCAN",    "INFANT",   "NOTMARRIED", "PRE-1970", "STILLBORN",
    "SUBMITTED", "UNCLEARED", "QUALIFIED", "DONTDOIT", "INPROCESS"};

// The date qualifier of a 12-byte date's byte 1, indexed by that byte; beyond the table none.
inline constexpr std::array<int, 6> kLongQualifiers{
    0, kQualifierAbout, kQualifierAfter, kQualifierBefore, kQualifierEstimated, kQualifierCalculated};

inline constexpr unsigned kKindMask = 0x0F;
inline constexpr unsigned kKindStatus = 1;
inline constexpr unsigned kKindSingle = 2;
inline constexpr unsigned kKindTwoParts = 3;
inline constexpr unsigned kKindTwoPartsAlike = 4;
inline constexpr unsigned kFirstEncodingShift = 4;
inline constexpr unsigned kSecondEncodingShift = 6;
inline constexpr unsigned kEncodingMask = 0x03;
inline constexpr unsigned kEncodingDayNumber = 1;
inline constexpr unsigned kEncodingTextLink = 2;

inline constexpr unsigned kNoYear = 0x80;
inline constexpr unsigned kNoMonth = 0x40;
inline constexpr unsigned kNoDay = 0x20;

inline constexpr std::size_t kTextRecordTextOffset = 13;
inline constexpr std::size_t kTextRecordTextWidth = 256;

}  // namespace kinshelf::paf
