// Decodes the packed dates of PAF records (the layouts are in paf/PafDateFormat.h) into genealogy
// dates: a qualifier and up to two parts with their display text, or, for an LDS status word or a
// date held as text, a text-only date. Plain functions of their bytes; any thread.
//
// The decoded date is a plain WDate that its owner keeps like any other. The text source a PAF 5
// date reads its linked text from is used during decoding only, so no date refers to a mapped file
// that may be gone.
#pragma once

#include <span>

#include "model/dates/WDate.h"
#include "paf/PafTextSource.h"

namespace kinshelf {

class WPafDate {
 public:
  WPafDate() = delete;

  // The date in the first 6 bytes of `bytes` (PAF 3 and PAF 4). An empty date (IsValid false) when
  // fewer than 6 bytes are given.
  static WDate FromPaf34(std::span<const unsigned char> bytes);

  // The date in the first 12 bytes of `bytes` (PAF 5). Text links are looked up in `texts`, which may
  // be nullptr (then a linked date is text-only with an empty text). An empty date when fewer than
  // 12 bytes are given, and for the kinds and status codes that hold no date.
  static WDate FromPaf5(std::span<const unsigned char> bytes, const PafTextSource* texts);

  // What the date's DisplayText shows, or "" for an empty date, without making the date: a
  // listing shows a date of every line.
  static std::string TextOfPaf34(std::span<const unsigned char> bytes);
  static std::string TextOfPaf5(std::span<const unsigned char> bytes, const PafTextSource* texts);
};

}  // namespace kinshelf
