// The mapped PAF file read back from files the PAF writer made, in all three versions: every record
// found where the writer put it, the maps of a spread file, the chains, and a table of damaged files
// with the exact outcome of each.
#include "paf/WPAFMMF.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/PafDamage.h"
#include "support/PafWriter.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

using test::PafDamage;
using test::PafDescription;
using test::PafVersion;
using test::PafWrittenFile;

constexpr int kIndividuals = 80;
constexpr int kCitations = 150;
const std::vector<std::int32_t> kDeletedIndividuals{2, 4, 6};
const std::vector<std::int32_t> kDeletedMarriages{2};

std::string NoteOf(int length) {
  std::string note;
  for (int i = 0; i < length; ++i) note += static_cast<char>('a' + i % 26);
  return note;
}

// 80 individuals (three deleted), the first with 150 citations and an additional event; three
// marriages (one deleted); a source, a repository and a note of five pieces. `spread`: one block
// of a type per map, so the file reaches over several 64 MiB maps.
PafDescription Family(bool spread, std::int32_t noLink) {
  PafDescription family;
  for (int rin = 1; rin <= kIndividuals; ++rin) {
    PafDescription::Individual person;
    person.surname = "Surname" + std::to_string(rin);
    person.deleted = rin == 2 || rin == 4 || rin == 6;
    family.individuals.push_back(person);
  }
  for (int i = 0; i < kCitations; ++i)
    family.individuals[0].citations.push_back({"c" + std::to_string(i), 1, ""});
  PafDescription::OtherEvent census;
  census.type = "Census";
  family.individuals[0].otherEvents.push_back(census);
  for (int mrin = 1; mrin <= 3; ++mrin) {
    PafDescription::Marriage marriage;
    marriage.husband = 2 * mrin + 5;
    marriage.wife = 2 * mrin + 6;
    marriage.children.push_back({20 + mrin, {}});
    marriage.deleted = mrin == 2;
    family.marriages.push_back(marriage);
  }
  family.sources.push_back({"Author", "Title", "", "", "", "text note", 1});
  family.repositories.push_back({"Archive", "", "", "", ""});
  family.notes.push_back(NoteOf(1000));
  family.options.blocksPerTypePerMap = spread ? 1 : 0;
  family.options.noLink = noLink;
  return family;
}

struct Written {
  test::ScratchFolder folder;
  PafWrittenFile file;
};

void Write(Written& written, PafVersion version, bool spread = false, std::int32_t noLink = 0) {
  written.file = test::PafWriter::Write(Family(spread, noLink), version, written.folder.Path("family.paf"));
}

std::int32_t LinkAt(const PafWrittenFile& file, std::int64_t offset) {
  return PafDamage(file.path).Int32At(offset);
}

struct ReadRow {
  PafVersion version;
  bool spread;
  std::int32_t noLink;
  int expectedVersion;
};

void PrintTo(const ReadRow& row, std::ostream* out) {
  *out << static_cast<int>(row.version) << (row.spread ? " spread" : "") << " no link " << row.noLink;
}

class WPAFMMFReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(WPAFMMFReadTest, EveryRecordWhereTheWriterPutIt) {
  Written written;
  Write(written, GetParam().version, GetParam().spread, GetParam().noLink);
  const PafWrittenFile& file = written.file;
  const WPAFMMF paf(file.path);
  EXPECT_EQ(paf.Version(), GetParam().expectedVersion);
  EXPECT_EQ(paf.MapCount(), file.maps);
  for (const auto& [type, offsets] : file.records) {
    if (type == test::kPafText) continue;
    for (std::size_t n = 1; n <= offsets.size(); ++n) {
      ASSERT_EQ(paf.Locate(type, static_cast<std::int32_t>(n)), offsets[n - 1])
          << "type " << type << " record " << n;
    }
    // The last slot of the type's last block is found; one further is in no block.
    const int perBlock = file.Layout().PerBlock(type);
    const auto slots = static_cast<std::int32_t>((offsets.size() + perBlock - 1) / perBlock * perBlock);
    EXPECT_NE(paf.Locate(type, slots), 0) << "type " << type;
    EXPECT_EQ(paf.Locate(type, slots + 1), 0) << "type " << type;
  }
  EXPECT_EQ(paf.Locate(test::kPafIndividual, 0), 0);
  EXPECT_EQ(paf.Locate(test::kPafIndividual, -1), 0);
  EXPECT_EQ(paf.DeletedIndividuals(), kDeletedIndividuals);
  EXPECT_EQ(paf.DeletedMarriages(), kDeletedMarriages);
  EXPECT_EQ(paf.NoteText(file.notes.at(0)), NoteOf(1000));
  const auto citations = paf.CitationChain(LinkAt(file, file.FirstCitationLink(1)));
  ASSERT_EQ(citations.size(), static_cast<std::size_t>(kCitations));
  EXPECT_EQ(LinkAt(file, file.NextCitationLink(citations.back())), GetParam().noLink);
}

TEST_P(WPAFMMFReadTest, LinksOfNothing) {
  Written written;
  Write(written, GetParam().version, GetParam().spread, GetParam().noLink);
  const WPAFMMF paf(written.file.path);
  for (const std::int32_t none : {0, -1}) {
    EXPECT_EQ(paf.TextAt(none), std::nullopt);
    EXPECT_TRUE(paf.CitationChain(none).empty());
    EXPECT_EQ(paf.NoteText(none), "");
    EXPECT_EQ(paf.RecordAt(none, 4), std::nullopt);
  }
  // The second individual has no citation: its link holds the file's value of no link.
  EXPECT_TRUE(paf.CitationChain(LinkAt(written.file, written.file.FirstCitationLink(3))).empty());
  const std::int32_t nameLink = LinkAt(written.file, written.file.NameLink(5));
  if (GetParam().version == PafVersion::kPaf5) {
    EXPECT_TRUE(paf.RecordAt(nameLink, 16).has_value());
  } else {
    EXPECT_EQ(paf.TextAt(nameLink), "Surname5");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, WPAFMMFReadTest,
    testing::Values(ReadRow{PafVersion::kPaf3, false, 0, 300}, ReadRow{PafVersion::kPaf4, false, 0, 400},
                    ReadRow{PafVersion::kPaf5, false, 0, 500}, ReadRow{PafVersion::kPaf3, true, -1, 300},
                    ReadRow{PafVersion::kPaf4, true, -1, 400}, ReadRow{PafVersion::kPaf5, true, -1, 500},
                    ReadRow{PafVersion::kPaf5, false, -1, 500}));

TEST(WPAFMMFTest, SpreadFileIsSparseAndReachesPastTheFirstMap) {
  Written written;
  Write(written, PafVersion::kPaf5, true);
  EXPECT_GE(written.file.maps, 3);
  EXPECT_GT(written.file.size, std::int64_t{1} << 27);
  const WPAFMMF paf(written.file.path);
  EXPECT_EQ(paf.MapTotal(2, test::kPafIndividual), 1);
  EXPECT_EQ(paf.Locate(test::kPafIndividual, 75), written.file.Record(test::kPafIndividual, 75));
}

// What a damaged file gives: "error: REASON" when opening fails, otherwise what `observe` reports.
struct DamageRow {
  const char* label;
  PafVersion version;
  bool spread;
  std::function<void(const PafDamage&, const PafWrittenFile&)> damage;
  std::function<std::string(const WPAFMMF&, const PafWrittenFile&)> observe;
  std::string outcome;
};

void PrintTo(const DamageRow& row, std::ostream* out) {
  *out << row.label;
}

std::string Numbers(const std::vector<std::int32_t>& numbers) {
  std::string text;
  for (const std::int32_t number : numbers) text += (text.empty() ? "" : " ") + std::to_string(number);
  return text;
}

std::string CitationCount(const WPAFMMF& paf, const PafWrittenFile& file) {
  return std::to_string(paf.CitationChain(LinkAt(file, file.FirstCitationLink(1))).size()) + " citations";
}

// What became of record `number` of a type: "found" where the writer put it, "moved", or "absent".
auto RecordState(int type, std::int32_t number) {
  return [type, number](const WPAFMMF& paf, const PafWrittenFile& file) -> std::string {
    const std::int64_t offset = paf.Locate(type, number);
    return offset == 0 ? "absent" : offset == file.Record(type, number) ? "found" : "moved";
  };
}

std::string IndividualCapacity(const WPAFMMF& paf, const PafWrittenFile&) {
  return "capacity " + std::to_string(paf.RecordCapacity(test::kPafIndividual));
}

std::string NoteLength(const WPAFMMF& paf, const PafWrittenFile& file) {
  return std::to_string(paf.NoteText(file.notes.at(0)).size()) + " note bytes";
}

std::string DeletedIndividuals(const WPAFMMF& paf, const PafWrittenFile&) {
  return "deleted " + Numbers(paf.DeletedIndividuals());
}

std::string DeletedMarriages(const WPAFMMF& paf, const PafWrittenFile&) {
  return "deleted " + Numbers(paf.DeletedMarriages());
}

std::string NameText(const WPAFMMF& paf, const PafWrittenFile& file) {
  return paf.TextAt(LinkAt(file, file.NameLink(1))).value_or("no text");
}

std::string Opened(const WPAFMMF&, const PafWrittenFile&) {
  return "opened";
}

constexpr std::int64_t kMap1 = std::int64_t{1} << 26;

// The header field of the number of maps.
std::int64_t MapsField(const PafWrittenFile& file) {
  return file.Layout().header.maps;
}

std::int64_t Paf4TotalsBlockField(const PafWrittenFile& file) {
  return file.Layout().header.totalsBlock;
}

class WPAFMMFDamageTest : public testing::TestWithParam<DamageRow> {};

TEST_P(WPAFMMFDamageTest, ExactOutcome) {
  const DamageRow& row = GetParam();
  Written written;
  Write(written, row.version, row.spread);
  row.damage(PafDamage(written.file.path), written.file);
  std::string outcome;
  try {
    const WPAFMMF paf(written.file.path);
    outcome = row.observe(paf, written.file);
  } catch (const std::runtime_error& error) {
    const std::string what = error.what();
    ASSERT_EQ(what.rfind(written.file.path + ": ", 0), 0u) << what;
    outcome = "error: " + what.substr(written.file.path.size() + 2);
  }
  EXPECT_EQ(outcome, row.outcome);
}

using D = const PafDamage&;
using F = const PafWrittenFile&;
using enum test::PafType;

// Frees the map-1 block that holds individual 40 of a spread PAF 5 file.
void FreeMap1Block(D d, F f) {
  d.SetByte(f.TypeByte(1, static_cast<int>((f.Record(kPafIndividual, 40) - kMap1 - 12288) / 8192)), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WPAFMMFDamageTest,
    testing::Values(
        DamageRow{"undamaged", PafVersion::kPaf4, false, [](D, F) {}, Opened, "opened"},
        DamageRow{"cut inside the signature", PafVersion::kPaf4, false, [](D d, F) { d.Truncate(10); },
                  Opened, "error: not a PAF 3, 4 or 5 file"},
        DamageRow{"signature flipped", PafVersion::kPaf5, false, [](D d, F) { d.FlipByte(9); }, Opened,
                  "error: not a PAF 3, 4 or 5 file"},
        DamageRow{"cut inside the header", PafVersion::kPaf5, false, [](D d, F) { d.Truncate(12000); },
                  Opened, "error: the file ends inside its header or first map block"},
        DamageRow{"cut inside map 0's map block", PafVersion::kPaf3, false,
                  [](D d, F) { d.Truncate(4096 + 100); }, Opened,
                  "error: the file ends inside its header or first map block"},
        DamageRow{"map block of the wrong type", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetByte(f.TypeByte(0, 0), 0); }, Opened,
                  "error: map 0 starts with block type 0, not 11"},
        DamageRow{"map 1's block flipped", PafVersion::kPaf4, true,
                  [](D d, F f) { d.FlipByte(f.TypeByte(1, 0)); }, Opened,
                  "error: map 1 starts with block type 244, not 11"},
        DamageRow{"PAF 3 map block of another type", PafVersion::kPaf3, true,
                  [](D d, F f) { d.FlipByte(f.TypeByte(1, 0)); }, RecordState(kPafIndividual, 40), "found"},
        DamageRow{"no maps", PafVersion::kPaf4, false, [](D d, F f) { d.SetInt32(MapsField(f), 0); }, Opened,
                  "error: the header gives 0 maps; the file's version has 1 to 102"},
        DamageRow{"maps above the usable", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetInt32(MapsField(f), 32); }, Opened,
                  "error: the header gives 32 maps; the file's version has 1 to 31"},
        DamageRow{"one map more than the file", PafVersion::kPaf5, true,
                  [](D d, F f) { d.SetInt32(MapsField(f), f.maps + 1); }, Opened,
                  "error: map 3 lies past the end of the file"},
        DamageRow{"cut inside map 1's map block", PafVersion::kPaf4, true,
                  [](D d, F) { d.Truncate(kMap1 + 5000); }, Opened,
                  "error: map 1 lies past the end of the file"},
        DamageRow{"totals name a map past the end", PafVersion::kPaf3, false,
                  [](D d, F f) { d.SetInt16(f.HeaderTotalsCount(2, kPafIndividual), 1); },
                  RecordState(kPafIndividual, kIndividuals), "found"},
        DamageRow{"PAF 3 cut inside map 1's map block", PafVersion::kPaf3, true,
                  [](D d, F) { d.Truncate(kMap1 + 5000); }, RecordState(kPafIndividual, 27), "found"},
        DamageRow{"PAF 3 cut inside map 1's map block, its records", PafVersion::kPaf3, true,
                  [](D d, F) { d.Truncate(kMap1 + 5000); }, RecordState(kPafIndividual, 28), "absent"},
        DamageRow{"totals block number 0", PafVersion::kPaf4, false,
                  [](D d, F f) { d.SetInt32(Paf4TotalsBlockField(f), 0); }, Opened,
                  "error: the map totals block 0 lies outside the maps"},
        DamageRow{"totals block beyond the maps", PafVersion::kPaf4, false,
                  [](D d, F f) { d.SetInt32(Paf4TotalsBlockField(f), 8193); }, Opened,
                  "error: the map totals block 8193 lies outside the maps"},
        DamageRow{"totals block number names an individual block", PafVersion::kPaf4, false,
                  [](D d, F f) { d.SetInt32(Paf4TotalsBlockField(f), 3); }, Opened,
                  "error: the map totals block 3 has block type 2, not 14"},
        DamageRow{"totals block's type byte flipped", PafVersion::kPaf4, false,
                  [](D d, F f) { d.FlipByte(f.TypeByte(0, 1)); }, Opened,
                  "error: the map totals block 2 has block type 241, not 14"},
        DamageRow{"header totals above the map block", PafVersion::kPaf3, false,
                  [](D d, F f) { d.SetInt16(f.HeaderTotalsCount(0, kPafIndividual), 5); },
                  RecordState(kPafIndividual, kIndividuals), "found"},
        DamageRow{"PAF 4 header total above the block's wins", PafVersion::kPaf4, false,
                  [](D d, F f) { d.SetInt16(f.HeaderTotalsCount(0, kPafMarriage), 2); },
                  RecordState(kPafMarriage, 3), "found"},
        DamageRow{"PAF 4 totals counting the map block", PafVersion::kPaf4, false,
                  [](D d, F f) { d.SetInt16(f.TotalsCount(0, 11), 1); },
                  RecordState(kPafIndividual, kIndividuals), "found"},
        DamageRow{"PAF 5 totals counting the map block", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetInt16(f.TotalsCount(0, 11), 1); },
                  RecordState(kPafIndividual, kIndividuals), "found"},
        DamageRow{"a total of 32767", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetInt16(f.TotalsCount(0, kPafIndividual), 32767); }, IndividualCapacity,
                  "capacity 111"},
        DamageRow{"negative total", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetInt16(f.TotalsCount(0, kPafMarriage), -1); },
                  RecordState(kPafMarriage, 1), "absent"},
        DamageRow{"block of map 1 freed", PafVersion::kPaf5, true, FreeMap1Block,
                  RecordState(kPafIndividual, 40), "absent"},
        DamageRow{"block of map 1 freed, map 2's records", PafVersion::kPaf5, true, FreeMap1Block,
                  RecordState(kPafIndividual, kIndividuals), "found"},
        DamageRow{"total below the blocks", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetInt16(f.TotalsCount(0, kPafIndividual), 2); },
                  RecordState(kPafIndividual, kIndividuals), "absent"},
        DamageRow{"PAF 3 total of 0", PafVersion::kPaf3, false,
                  [](D d, F f) { d.SetInt16(f.HeaderTotalsCount(0, kPafIndividual), 0); },
                  RecordState(kPafIndividual, 1), "absent"},
        DamageRow{"data block cut off", PafVersion::kPaf4, false,
                  [](D d, F f) { d.Truncate(f.Record(kPafIndividual, kIndividuals)); },
                  RecordState(kPafIndividual, kIndividuals), "absent"},
        DamageRow{"citation chain loops", PafVersion::kPaf3, false,
                  [](D d, F f) { d.MakeLoop(f.NextCitationLink(f.Count(kPafCitation)), 5); }, CitationCount,
                  "150 citations"},
        DamageRow{"citation chain to a number past the records", PafVersion::kPaf4, false,
                  [](D d, F f) { d.SetInt32(f.NextCitationLink(10), 100000); }, CitationCount,
                  "10 citations"},
        DamageRow{"citation chain to itself", PafVersion::kPaf5, true,
                  [](D d, F f) { d.MakeLoop(f.NextCitationLink(1), 1); }, CitationCount, "1 citations"},
        DamageRow{"note chain loops", PafVersion::kPaf5, false,
                  [](D d, F f) { d.MakeLoop(f.NextNotePieceLink(f.notes[0] + 4), f.notes[0]); }, NoteLength,
                  "1000 note bytes"},
        DamageRow{"note chain cut after two pieces", PafVersion::kPaf3, false,
                  [](D d, F f) { d.SetInt32(f.NextNotePieceLink(f.notes[0] + 1), -1); }, NoteLength,
                  "488 note bytes"},
        DamageRow{"deleted individuals loop", PafVersion::kPaf4, false,
                  [](D d, F f) { d.MakeLoop(f.NextDeletedIndividualLink(6), 4); }, DeletedIndividuals,
                  "deleted 2 4 6"},
        DamageRow{"deleted individual link past the records", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetInt32(f.NextDeletedIndividualLink(2), 9999); }, DeletedIndividuals,
                  "deleted 2"},
        DamageRow{"first deleted marriage past the records", PafVersion::kPaf3, false,
                  [](D d, F f) { d.SetInt32(f.Layout().header.firstDeletedMarriage, 4); }, DeletedMarriages,
                  "deleted 4"},
        DamageRow{"first deleted marriage negative", PafVersion::kPaf5, false,
                  [](D d, F f) { d.SetInt32(f.Layout().header.firstDeletedMarriage, -7); }, DeletedMarriages,
                  "deleted "},
        DamageRow{"name link outside the file", PafVersion::kPaf4, false,
                  [](D d, F f) { d.PointOutside(f.NameLink(1)); }, NameText, "no text"},
        DamageRow{"name link whose text would start past the end", PafVersion::kPaf3, false,
                  [](D d, F f) { d.SetInt32(f.NameLink(1), static_cast<std::int32_t>(f.size - 12)); },
                  NameText, "no text"}));

}  // namespace
}  // namespace kinshelf
