// Writes a PAF 3, PAF 4 or PAF 5 family file from a PafDescription, for the readers' tests.
//
// What it writes, for every version: the header (version signature, record counts, first deleted
// individual and marriage, submitter; PAF 3 and 4 also the title, print identifier and the five
// option flags), every map that holds a block, each with its map block (type byte 11 first), the
// map totals (PAF 3: the header's table; PAF 4: the header's table and a type-14 totals block named
// by the header; PAF 5: the table after the header), and the records: individuals with their
// names, vital events (packed dates, places, citation chains), LDS baptism and endowment, notes and
// citations; marriages with spouses, the next-marriage links of both spouses, the marriage event,
// sealing, note and children (child links with the sealing to parents, next-child and next-parent
// links); sources, repositories, notes of their own. PAF 4 and 5 also write additional events with
// their event types; PAF 4 the individual extension (additional events, name prefix, LDS place
// parts) and the source extension (text note). PAF 5 names, AFN and reference number are
// individual text records; PAF 3 and 4 names are text links.
//
// Layout rules, so that a test can compute offsets by hand: PAF 4's totals block is map 0's block
// 1; then blocks are taken in the order records are first needed: all individuals, marriages,
// child links, sources, source extensions (PAF 4), repositories, individual extensions (PAF 4);
// then, while the records are filled in RIN, MRIN, child-link, source, repository order, the text
// records, citations, note pieces, additional events and event types each record needs. A type's
// current block fills before the next is taken; blocks are taken in increasing order in a map.
// Text records take slots of 269 bytes (PAF 3 and 4) or 272 (PAF 5) in blocks of type 1.
//
// Options (PafDescription::Options): the value of an absent link (0 or -1), the most blocks of one
// type per map (to spread a file over several maps: the far maps are written sparse, only their
// used blocks), where PAF 4 keeps its totals (header, block or both), and the version texts. Dates
// take a day, status-word, free-text or raw form. Deleted individuals and marriages are chained in
// increasing number. The same description always gives the same bytes.
//
// The PafWrittenFile it returns tells where each record and field landed; PafDamage then changes
// the file in one place (a byte, its length, a link pointed outside the file or along its chain).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/PafDescription.h"
#include "support/PafImage.h"
#include "support/PafWrittenFile.h"

namespace kinshelf::test {

class PafWriter {
 public:
  // Writes the file at `path` and reports where its records lie. Throws std::invalid_argument for
  // what the version cannot hold (a status word without a code), std::length_error when a map is
  // full or a text record would lie beyond a 32-bit offset, std::runtime_error when the file
  // cannot be written.
  static PafWrittenFile Write(const PafDescription& description, PafVersion version, const std::string& path);

 private:
  using Date = PafDescription::Date;
  using Event = PafDescription::Event;
  using Ordinance = PafDescription::Ordinance;

  PafWriter(const PafDescription& description, PafVersion version);

  PafImage::Place Allocate(int type);
  void AllocateRecords();
  void WriteRecords();
  void LinkFamilies();
  void WriteIndividual(std::int32_t rin);
  void WriteNameLinks(const PafDescription::Individual& individual, std::int64_t record);
  std::int32_t WriteIndividualTexts(const PafDescription::Individual& individual);
  void WriteExtension(std::int32_t rin);
  std::int32_t WriteOtherEvents(const std::vector<PafDescription::OtherEvent>& events);
  std::int32_t EventType(const std::string& name);
  void WriteEvent(std::int64_t at, const Event& event);
  void WriteOrdinance(std::int64_t at, const Ordinance& ordinance);
  void WriteDate(std::int64_t at, const Date& date);
  void WriteMarriage(std::int32_t mrin);
  void WriteChildLinks(std::int32_t mrin);
  void WriteSource(std::int32_t number);
  void WriteRepository(std::int32_t number);
  std::int32_t WriteCitations(const std::vector<PafDescription::Citation>& citations);
  std::int32_t WriteNote(std::string_view text);
  std::int32_t Text(std::string_view text);
  void PutLink(std::int64_t at, std::int32_t link);
  void WriteDeletedChains();
  void WriteHeader();
  void WriteHeaderTexts();
  void WriteTotals();

  const PafDescription& description_;
  const PafLayout& layout_;
  PafImage image_;
  PafWrittenFile file_;
  std::vector<std::vector<std::int32_t>> spouseFamilies_;  // by RIN - 1: MRINs
  std::vector<std::vector<std::int32_t>> parentLinks_;     // by RIN - 1: child-link numbers
  std::vector<std::vector<std::int32_t>> childLinks_;      // by MRIN - 1: child-link numbers
  std::map<std::string, std::int32_t> eventTypes_;
  std::int32_t extensions_ = 0;  // PAF 4: individual extensions written
};

}  // namespace kinshelf::test
