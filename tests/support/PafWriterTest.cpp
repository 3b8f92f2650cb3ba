// The PAF writer checked byte by byte against offsets worked out by hand from the format's tables:
// signatures, header counts, map blocks, totals, first records, text links, chains, dates, the
// sparse file of two maps, and the damage helpers.
#include "support/PafWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>

#include "support/PafDamage.h"
#include "support/PafDateEncoder.h"
#include "support/ScratchFolder.h"

namespace kinshelf::test {
namespace {

using Date = PafDescription::Date;
using Qualifier = PafDescription::Qualifier;

constexpr std::int64_t kMap1 = std::int64_t{1} << 26;

std::string BytesAt(const std::string& path, std::int64_t offset, std::size_t count) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(offset);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  if (!in) ADD_FAILURE() << "cannot read " << count << " bytes at " << offset;
  return bytes;
}

std::int32_t Int32At(const std::string& path, std::int64_t offset) {
  const std::string bytes = BytesAt(path, offset, 4);
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  return static_cast<std::int32_t>(value);
}

std::int16_t Int16At(const std::string& path, std::int64_t offset) {
  const std::string bytes = BytesAt(path, offset, 2);
  return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1])
                                                                              << 8);
}

int ByteAt(const std::string& path, std::int64_t offset) {
  return static_cast<unsigned char>(BytesAt(path, offset, 1)[0]);
}

// Husband 1 and wife 2 with child 3; the husband born about 7 December 1856 in two place parts.
PafDescription SmallFamily() {
  PafDescription family;
  PafDescription::Individual husband;
  husband.surname = "Smith";
  husband.givenNames = {"John"};
  husband.birth.date = Date::Day(1856, 12, 7, Qualifier::kAbout);
  husband.birth.place = {"Leeds", "Yorkshire"};
  PafDescription::Individual wife;
  wife.sex = 'F';
  wife.surname = "Jones";
  family.individuals = {husband, wife, PafDescription::Individual{}};
  PafDescription::Marriage marriage;
  marriage.husband = 1;
  marriage.wife = 2;
  marriage.children = {{3, {}}};
  family.marriages = {marriage};
  return family;
}

class PafWriterTest : public ::testing::Test {
 protected:
  PafWrittenFile Write(const PafDescription& description, PafVersion version) {
    return PafWriter::Write(description, version, folder_.Path("family.paf"));
  }
  ScratchFolder folder_;
};

struct SignatureRow {
  PafVersion version;
  std::int64_t offset;
  std::string bytes;
};

TEST_F(PafWriterTest, EachVersionCarriesItsSignature) {
  const SignatureRow rows[] = {
      {PafVersion::kPaf3, 8, std::string("300\0", 4)},
      {PafVersion::kPaf4, 8, std::string("400\0", 4)},
      {PafVersion::kPaf5, 4, std::string("500\0PAF\0", 8)},
  };
  for (const SignatureRow& row : rows) {
    const PafWrittenFile file = Write(SmallFamily(), row.version);
    EXPECT_EQ(BytesAt(file.path, row.offset, row.bytes.size()), row.bytes) << static_cast<int>(row.version);
  }
}

// One (offset, value, width) expectation; width 1, 2 or 4 bytes.
struct FieldRow {
  const char* what;
  std::int64_t offset;
  std::int32_t value;
  int width;
};

void ExpectFields(const std::string& path, std::initializer_list<FieldRow> rows) {
  for (const FieldRow& row : rows) {
    const std::int32_t read = row.width == 4   ? Int32At(path, row.offset)
                              : row.width == 2 ? Int16At(path, row.offset)
                                               : ByteAt(path, row.offset);
    EXPECT_EQ(read, row.value) << row.what << " at " << row.offset;
  }
}

// Blocks from map 0's block 1 on: individuals, marriage, child link, then text records.
TEST_F(PafWriterTest, Paf3SmallFamilyLiesWhereTheTablesSay) {
  const PafWrittenFile file = Write(SmallFamily(), PafVersion::kPaf3);
  const std::int64_t individual = 4096 + 8192, marriage = 4096 + 2 * 8192, child = 4096 + 3 * 8192;
  const std::int64_t text = 4096 + 4 * 8192;
  ExpectFields(file.path, {{"individual count", 14, 3, 4},
                           {"marriage count", 30, 1, 4},
                           {"map block type", 4096, 11, 1},
                           {"block 1 type", 4097, 2, 1},
                           {"block 2 type", 4098, 3, 1},
                           {"block 3 type", 4099, 5, 1},
                           {"block 4 type", 4100, 1, 1},
                           {"individual blocks in map 0", 2048 + 2, 1, 2},
                           {"text blocks in map 0", 2048, 1, 2},
                           {"sex", individual, 'M', 1},
                           {"surname link", individual + 1, static_cast<std::int32_t>(text), 4},
                           {"first spouse family", individual + 218, 1, 4},
                           {"child's parent link", individual + 2 * 298 + 222, 1, 4},
                           {"husband", marriage + 5, 1, 4},
                           {"wife", marriage + 9, 2, 4},
                           {"first child link", marriage + 13, 1, 4},
                           {"family", child + 1, 1, 4},
                           {"child", child + 13, 3, 4}});
  EXPECT_EQ(BytesAt(file.path, text + 13, 6), std::string("Smith\0", 6));
  EXPECT_EQ(BytesAt(file.path, individual + 22, 6), std::string("\x00\x3A\x60\x38\x03\x00", 6));
  EXPECT_EQ(file.NameLink(1), individual + 1);
}

// The totals block is map 0's block 1, numbered 2 over the whole file; the records follow it.
TEST_F(PafWriterTest, Paf4KeepsItsTotalsInABlockTheHeaderNames) {
  const PafWrittenFile file = Write(SmallFamily(), PafVersion::kPaf4);
  const std::int64_t totals = 4096 + 8192, individual = 4096 + 2 * 8192;
  ExpectFields(file.path, {{"totals block number", 1736, 2, 4},
                           {"number of maps", 190, 1, 4},
                           {"totals block type", 4097, 14, 1},
                           {"individual block type", 4098, 2, 1},
                           {"extension block type", 4101, 15, 1},
                           {"individual blocks, totals block", totals + 2, 1, 2},
                           {"totals blocks, totals block", totals + 26, 1, 2},
                           {"extension blocks, totals block", totals + 28, 1, 2},
                           {"individual blocks, header", 2048 + 2, 1, 2},
                           {"marriage husband", 4096 + 3 * 8192 + 5, 1, 4},
                           {"sex", individual, 'M', 1}});
  EXPECT_EQ(file.totalsBlock, totals);
}

TEST_F(PafWriterTest, Paf4TotalsCanBeLeftToOnePlace) {
  PafDescription family = SmallFamily();
  family.options.paf4Totals = PafDescription::Options::Totals::kHeaderOnly;
  PafWrittenFile file = Write(family, PafVersion::kPaf4);
  ExpectFields(file.path, {{"block", file.TotalsCount(0, 2), 0, 2}, {"header", 2050, 1, 2}});
  family.options.paf4Totals = PafDescription::Options::Totals::kBlockOnly;
  file = Write(family, PafVersion::kPaf4);
  ExpectFields(file.path, {{"block", file.TotalsCount(0, 2), 1, 2}, {"header", 2050, 0, 2}});
}

// Data base 12288; the name is an individual text record: next, kind, length, text.
TEST_F(PafWriterTest, Paf5SmallFamilyLiesWhereTheTablesSay) {
  PafDescription family = SmallFamily();
  family.individuals[0].birth.date = Date::Day(1970, 1, 1, Qualifier::kAbout);
  const PafWrittenFile file = Write(family, PafVersion::kPaf5);
  const std::int64_t individual = 12288 + 8192, marriage = 12288 + 2 * 8192, child = 12288 + 3 * 8192;
  const std::int64_t text = 12288 + 4 * 8192;
  ExpectFields(file.path, {{"number of maps", 18, 1, 4},
                           {"individual count", 22, 3, 4},
                           {"marriage count", 130, 1, 4},
                           {"map block type", 12288, 11, 1},
                           {"block 1 type", 12289, 2, 1},
                           {"individual blocks", 4096 + 2, 1, 2},
                           {"name text link", individual, static_cast<std::int32_t>(text), 4},
                           {"sex", individual + 202, 'M', 1},
                           {"first spouse family", individual + 4, 1, 4},
                           {"text kind", text + 12, 1, 1},
                           {"text length", text + 13, 12, 2},
                           {"husband", marriage + 4, 1, 4},
                           {"wife", marriage + 8, 2, 4},
                           {"first child link", marriage + 12, 1, 4},
                           {"family", child, 1, 4},
                           {"child", child + 12, 3, 4}});
  EXPECT_EQ(BytesAt(file.path, text + 15, 12), "John /Smith/");
  // Kind 2 with a day number first part; about is 1; JDN 2440588 = 0x253D8C.
  EXPECT_EQ(BytesAt(file.path, individual + 64, 7), std::string("\x12\x01\x00\x00\x8C\x3D\x25", 7));
  EXPECT_EQ(BytesAt(file.path, Int32At(file.path, individual + 64 + 12) + 13, 17),
            std::string("Leeds, Yorkshire\0", 17));
}

// Husband 1 marries 2, then 3; child 4 is a child of both marriages.
TEST_F(PafWriterTest, SpousesAndChildrenChainTheirFamilies) {
  struct Row {
    PafVersion version;
    int husbandNext, wifeNext, spouseFamily, parentLink, nextChild, nextParent;
  };
  PafDescription family;
  family.individuals.resize(4);
  for (const std::int32_t wife : {2, 3}) {
    PafDescription::Marriage& marriage = family.marriages.emplace_back();
    marriage.husband = 1;
    marriage.wife = wife;
    marriage.children = {{4, {}}};
  }
  for (const Row row :
       {Row{PafVersion::kPaf3, 77, 81, 218, 222, 5, 9}, Row{PafVersion::kPaf4, 77, 81, 218, 222, 5, 9},
        Row{PafVersion::kPaf5, 16, 20, 4, 8, 4, 8}}) {
    const PafWrittenFile file = Write(family, row.version);
    ExpectFields(file.path,
                 {{"husband's next", file.Field(kPafMarriage, 1, row.husbandNext), 2, 4},
                  {"first wife's next", file.Field(kPafMarriage, 1, row.wifeNext), 0, 4},
                  {"last husband's next", file.Field(kPafMarriage, 2, row.husbandNext), 0, 4},
                  {"second wife's family", file.Field(kPafIndividual, 3, row.spouseFamily), 2, 4},
                  {"child's first parent link", file.Field(kPafIndividual, 4, row.parentLink), 1, 4},
                  {"only child", file.Field(kPafChildLink, 1, row.nextChild), 0, 4},
                  {"child's next parent link", file.Field(kPafChildLink, 1, row.nextParent), 2, 4},
                  {"child's last parent link", file.Field(kPafChildLink, 2, row.nextParent), 0, 4}});
  }
}

// PAF 5 chains the name, AFN and reference number as text records; PAF 3 and 4 keep the last two
// in fixed fields.
TEST_F(PafWriterTest, IdentifiersFollowTheName) {
  PafDescription family;
  PafDescription::Individual one;
  one.givenNames = {"Ann"};
  one.afn = "AFN1";
  one.refNumber = "R7";
  one.afnBeforeRefNumber = true;
  family.individuals = {one};
  const PafWrittenFile paf5 = Write(family, PafVersion::kPaf5);
  const std::int64_t name = 12288 + 2 * 8192, afn = name + 272, refNumber = name + 2 * 272;
  ExpectFields(paf5.path, {{"name", paf5.NameLink(1), static_cast<std::int32_t>(name), 4},
                           {"after the name", name, static_cast<std::int32_t>(afn), 4},
                           {"after the AFN", afn, static_cast<std::int32_t>(refNumber), 4},
                           {"last", refNumber, 0, 4},
                           {"AFN kind", afn + 12, 10, 1},
                           {"reference kind", refNumber + 12, 11, 1},
                           {"name length", name + 13, 6, 2}});
  EXPECT_EQ(BytesAt(paf5.path, name + 15, 7), std::string("Ann //\0", 7));
  EXPECT_EQ(BytesAt(paf5.path, afn + 15, 5), std::string("AFN1\0", 5));
  const PafWrittenFile paf3 = Write(family, PafVersion::kPaf3);
  EXPECT_EQ(BytesAt(paf3.path, 4096 + 8192 + 270, 3), std::string("R7\0", 3));
  EXPECT_EQ(BytesAt(paf3.path, 4096 + 8192 + 281, 5), std::string("AFN1\0", 5));
}

// A status word in place of a PAF 5 ordinance date, with the temple and the temple flag.
TEST_F(PafWriterTest, Paf5OrdinanceCarriesItsStatusAndTempleFlag) {
  PafDescription family;
  family.individuals.resize(1);
  family.individuals[0].endowment.date = Date::Status("COMPLETED");
  family.individuals[0].endowment.temple = "LOGAN";
  const PafWrittenFile file = Write(family, PafVersion::kPaf5);
  const std::int64_t endowment = 12288 + 8192 + 181, baptism = 12288 + 8192 + 160;
  ExpectFields(file.path, {{"kind", endowment, 1, 1},
                           {"status code", endowment + 1, 5, 1},
                           {"temple flag", endowment + 20, 1, 1},
                           {"empty ordinance's flag", baptism + 20, 0, 1}});
  EXPECT_EQ(BytesAt(file.path, Int32At(file.path, endowment + 12) + 13, 6), std::string("LOGAN\0", 6));
}

struct DayNumberRow {
  int year, month, day;
  std::int32_t number;
};

TEST(PafDateEncoderTest, DayNumbersMatchTheCalendarSwitch) {
  const DayNumberRow rows[] = {{1582, 10, 4, 2299160},
                               {1582, 10, 15, 2299161},
                               {1970, 1, 1, 2440588},
                               {2000, 1, 1, 2451545},
                               {1, 1, 1, 1721424}};
  for (const DayNumberRow& row : rows) {
    EXPECT_EQ(PafDateEncoder::DayNumber(row.year, row.month, row.day), row.number) << row.year;
  }
}

struct DateRow {
  const char* what;
  Date date;
  std::string six, twelve;  // the text link, where there is one, is 0x1000
};

TEST(PafDateEncoderTest, PacksEachFormAsTheTablesSay) {
  Date dual = Date::Day(2000, 0, 0, Qualifier::kBefore);
  dual.dualYears = 1;
  Date range = Date::Day(0, 0, 0);
  range.second = std::array<int, 3>{2000, 1, 1};
  const DateRow rows[] = {
      {"nothing", Date{}, std::string(6, '\0'), std::string(12, '\0')},
      {"status", Date::Status("SUBMITTED"), std::string("\0\0\xE8\0\0\0", 6),
       std::string("\x01\x0F", 2) + std::string(10, '\0')},
      {"free text", Date::Text("x"), std::string("\x01\0\0\x10\0\0", 6),
       std::string("\x22\0\0\x10\0\0", 6) + std::string(6, '\0')},
      {"dual year, before", dual, std::string("\x80\x3E\0\0\x02\x01", 6),
       std::string("\x12\x03\x00\x60\x59\x68\x25", 7) + std::string(5, '\0')},
      {"range, first part all omitted", range, std::string(6, '\0'),
       std::string("\x53\0\0\xE0\x59\x68\x25\0\0\x59\x68\x25", 12)},
  };
  for (const DateRow& row : rows) {
    EXPECT_EQ(PafDateEncoder::Six(row.date, 0x1000), row.six) << row.what;
    EXPECT_EQ(PafDateEncoder::Twelve(row.date, 0x1000), row.twelve) << row.what;
  }
}

// Citations 1 … 150 of the first individual: 64 to a PAF 3 block, after the individual's block
// and the surname's text block.
TEST_F(PafWriterTest, ACitationChainOf150RunsThroughThreeBlocks) {
  struct Row {
    std::int32_t noLink;
  };
  for (const Row row : {Row{0}, Row{-1}}) {
    PafDescription family;
    family.options.noLink = row.noLink;
    PafDescription::Individual one;
    one.surname = "Long";
    one.citations.resize(150, {"page", 0, ""});
    family.individuals = {one};
    const PafWrittenFile file = Write(family, PafVersion::kPaf3);
    const std::int64_t first = 4096 + 3 * 8192, second = 4096 + 4 * 8192, last = 4096 + 5 * 8192 + 21 * 127;
    ExpectFields(file.path, {{"first citation", 4096 + 8192 + 234, 1, 4},
                             {"next of 1", first + 115, 2, 4},
                             {"next of 64", first + 63 * 127 + 115, 65, 4},
                             {"next of 65", second + 115, 66, 4},
                             {"next of 150", last + 115, row.noLink, 4},
                             {"citation blocks", 2048 + 10, 3, 2},
                             {"absent source", first + 111, row.noLink, 4}});
    EXPECT_EQ(BytesAt(file.path, second + 5, 5), std::string("page\0", 5));
    EXPECT_EQ(file.NextCitationLink(150), last + 115);
  }
}

// Individuals 2 and 4 of five and marriage 1 of two are deleted.
TEST_F(PafWriterTest, DeletedRecordsAreChainedFromTheHeader) {
  struct Row {
    PafVersion version;
    int firstIndividual, firstMarriage;
  };
  PafDescription family;
  family.individuals.resize(5);
  family.individuals[1].deleted = family.individuals[3].deleted = true;
  family.marriages.resize(2);
  family.marriages[0].deleted = true;
  for (const Row row :
       {Row{PafVersion::kPaf3, 26, 38}, Row{PafVersion::kPaf4, 26, 38}, Row{PafVersion::kPaf5, 34, 142}}) {
    const PafWrittenFile file = Write(family, row.version);
    ExpectFields(file.path, {{"first deleted individual", row.firstIndividual, 2, 4},
                             {"after 2", file.NextDeletedIndividualLink(2), 4, 4},
                             {"after 4", file.NextDeletedIndividualLink(4), 0, 4},
                             {"first deleted marriage", row.firstMarriage, 1, 4},
                             {"after marriage 1", file.NextDeletedMarriageLink(1), 0, 4}});
  }
  EXPECT_EQ(PafWriter::Write(family, PafVersion::kPaf4, folder_.Path("4.paf")).NextDeletedIndividualLink(2),
            4096 + 2 * 8192 + 298 + 1);
}

// 300 characters take two PAF 3 pieces of 244; the note count is the pieces written.
TEST_F(PafWriterTest, ALongNoteIsAChainOfPieces) {
  PafDescription family;
  family.individuals.resize(1);
  family.individuals[0].note = std::string(244, 'a') + std::string(56, 'b');
  const PafWrittenFile file = Write(family, PafVersion::kPaf3);
  const std::int64_t piece = 4096 + 2 * 8192;
  ExpectFields(file.path, {{"note link", 4096 + 8192 + 226, 1, 4},
                           {"next of 1", piece, 2, 4},
                           {"next of 2", piece + 256, 0, 4},
                           {"note count", 62, 2, 4}});
  EXPECT_EQ(BytesAt(file.path, piece + 12, 244), std::string(244, 'a'));
  EXPECT_EQ(BytesAt(file.path, piece + 256 + 12, 57), std::string(56, 'b') + '\0');
}

// With one block of a type per map, the type's next block opens the next map; only the used blocks
// take space on disk.
TEST_F(PafWriterTest, AFileOfTwoMapsIsWrittenSparse) {
  struct Row {
    PafVersion version;
    int individuals, blocksPerMap;
    std::int32_t farRin;  // the first individual in map 1
    std::int64_t base, size, farIndividual, farTotals, farTotalsTypeOne;
  };
  const Row rows[] = {
      // PAF 5: 38 individuals at 37 a block; 38 names at 30 a block; map 1 holds one block of each.
      {PafVersion::kPaf5, 38, 1, 38, 12288, kMap1 + 12288 + 3 * 8192, kMap1 + 12288 + 8192, 4096 + 64 + 2,
       4096 + 64},
      // PAF 3: three blocks of 27 in map 0, so individual 82 opens map 1; surnames 91 … 100 too.
      {PafVersion::kPaf3, 100, 3, 82, 4096, kMap1 + 4096 + 3 * 8192, kMap1 + 4096 + 8192, 2048 + 20 + 2,
       2048 + 20},
  };
  for (const Row& row : rows) {
    PafDescription family;
    PafDescription::Individual named;
    named.surname = "Far";
    family.individuals.assign(static_cast<std::size_t>(row.individuals), named);
    family.options.blocksPerTypePerMap = row.blocksPerMap;
    const PafWrittenFile file = Write(family, row.version);
    struct stat status {};
    ASSERT_EQ(::stat(file.path.c_str(), &status), 0);
    EXPECT_EQ(status.st_size, row.size);
    EXPECT_EQ(file.size, row.size);
    EXPECT_LT(status.st_blocks * 512, 1 << 20) << "written sparse";
    EXPECT_EQ(file.Record(kPafIndividual, row.farRin), row.farIndividual);
    ExpectFields(file.path, {{"map 1 block type", kMap1 + row.base, 11, 1},
                             {"map 1 block 1", kMap1 + row.base + 1, 2, 1},
                             {"map 1 block 2", kMap1 + row.base + 2, 1, 1},
                             {"map 1 individual blocks", row.farTotals, 1, 2},
                             {"map 1 text blocks", row.farTotalsTypeOne, 1, 2}});
    const std::int32_t name = Int32At(file.path, file.NameLink(row.individuals));
    EXPECT_GT(name, kMap1);
    // PAF 5 keeps the surname between slashes.
    EXPECT_EQ(BytesAt(file.path, name + (row.version == PafVersion::kPaf5 ? 16 : 13), 3), "Far");
  }
}

TEST_F(PafWriterTest, TheSameDescriptionGivesTheSameBytes) {
  PafDescription family = SmallFamily();
  family.individuals[0].note = "a note";
  for (const PafVersion version : {PafVersion::kPaf3, PafVersion::kPaf4, PafVersion::kPaf5}) {
    PafWriter::Write(family, version, folder_.Path("a.paf"));
    PafWriter::Write(family, version, folder_.Path("b.paf"));
    EXPECT_EQ(ReadFile(folder_.Path("a.paf")), ReadFile(folder_.Path("b.paf")));
  }
}

// The additional event, its type and its description; in PAF 4 through the extension.
TEST_F(PafWriterTest, AdditionalEventsNameTheirEventType) {
  struct Row {
    PafVersion version;
    int eventField, typeField, descriptionField;
  };
  PafDescription family;
  family.individuals.resize(1);
  family.individuals[0].otherEvents = {{"Occupation", "Miller", {}}, {"Occupation", "Baker", {}}};
  for (const Row row : {Row{PafVersion::kPaf4, 4, 17, 13}, Row{PafVersion::kPaf5, 28, 16, 12}}) {
    const PafWrittenFile file = Write(family, row.version);
    const int owner = row.version == PafVersion::kPaf4 ? kPafIndividualExtension : kPafIndividual;
    const std::int64_t first = file.Record(kPafOtherEvent, 1), second = file.Record(kPafOtherEvent, 2);
    ExpectFields(file.path, {{"first event", file.Field(owner, 1, row.eventField), 1, 4},
                             {"next event", first, 2, 4},
                             {"last event", second, 0, 4},
                             {"shared type", second + row.typeField, 1, 4}});
    EXPECT_EQ(file.Count(kPafEventType), 1);
    const std::int32_t name = Int32At(file.path, file.Record(kPafEventType, 1));
    EXPECT_EQ(BytesAt(file.path, name + 13, 11), std::string("Occupation\0", 11));
    EXPECT_EQ(BytesAt(file.path, Int32At(file.path, second + row.descriptionField) + 13, 6),
              std::string("Baker\0", 6));
  }
}

// An ordinance dated by free text: word 1, then the text record's offset (PAF 3 and 4).
TEST_F(PafWriterTest, AFreeTextOrdinanceDateLinksItsText) {
  PafDescription family;
  family.individuals.resize(1);
  family.individuals[0].baptism.date = Date::Text("in 1850");
  family.individuals[0].baptism.temple = "SLAKE";
  const PafWrittenFile file = Write(family, PafVersion::kPaf3);
  const std::int64_t baptism = 4096 + 8192 + 174, text = 4096 + 2 * 8192;
  ExpectFields(file.path, {{"word", baptism, 1, 2},
                           {"date text link", baptism + 2, static_cast<std::int32_t>(text), 4},
                           {"temple link", baptism + 6, static_cast<std::int32_t>(text + 269), 4}});
  EXPECT_EQ(BytesAt(file.path, text + 13, 8), std::string("in 1850\0", 8));
}

// One source with a note, a text note and a repository; the fields at each version's offsets.
TEST_F(PafWriterTest, SourcesAndRepositoriesFillTheirFields) {
  struct Row {
    PafVersion version;
    int author, title, repository, note, repositoryName, repositoryPhone;
    int textNoteType, textNoteField;  // the record that holds the text note's link
  };
  PafDescription family;
  family.sources = {{"Author", "Title", "", "", "note", "text note", 1}};
  family.repositories = {{"Archive", "", "", "", "555"}};
  const Row rows[] = {
      {PafVersion::kPaf3, 1, 123, 475, 459, 1, 261, 0, 0},
      {PafVersion::kPaf4, 1, 123, 475, 459, 1, 261, kPafSourceExtension, 8},
      {PafVersion::kPaf5, 0, 124, 480, 464, 0, 420, kPafSource, 488},
  };
  for (const Row& row : rows) {
    const PafWrittenFile file = Write(family, row.version);
    const std::int64_t source = file.Record(kPafSource, 1), repository = file.Record(kPafRepository, 1);
    EXPECT_EQ(BytesAt(file.path, source + row.author, 7), std::string("Author\0", 7));
    EXPECT_EQ(BytesAt(file.path, source + row.title, 6), std::string("Title\0", 6));
    EXPECT_EQ(BytesAt(file.path, repository + row.repositoryName, 8), std::string("Archive\0", 8));
    EXPECT_EQ(BytesAt(file.path, repository + row.repositoryPhone, 4), std::string("555\0", 4));
    ExpectFields(file.path, {{"repository link", source + row.repository, 1, 4},
                             {"note", source + row.note, 1, 4},
                             {"source count", file.Layout().header.sources, 1, 4}});
    if (row.textNoteType == 0) {
      EXPECT_EQ(file.Count(kPafNotePiece), 1) << "PAF 3 has no text note";
      continue;
    }
    ExpectFields(file.path, {{"text note", file.Field(row.textNoteType, 1, row.textNoteField), 2, 4}});
  }
}

TEST_F(PafWriterTest, TheHeaderHoldsTheSubmitterAndOptions) {
  struct Row {
    PafVersion version;
    std::int64_t name, email;
  };
  PafDescription family;
  family.submitter.name = "Ann";
  family.submitter.email = "ann@example.org";
  family.title = "Family";
  family.printIdentifier = 'A';
  family.headerFlags = {1, 0, 1, 0, 1};
  for (const Row row : {Row{PafVersion::kPaf3, 416, 0}, Row{PafVersion::kPaf4, 416, 1600},
                        Row{PafVersion::kPaf5, 734, 1318}}) {
    const PafWrittenFile file = Write(family, row.version);
    EXPECT_EQ(BytesAt(file.path, row.name, 4), std::string("Ann\0", 4));
    if (row.email != 0) {
      EXPECT_EQ(BytesAt(file.path, row.email, 15), "ann@example.org");
    }
    if (row.version == PafVersion::kPaf5) continue;
    EXPECT_EQ(BytesAt(file.path, 1664, 7), std::string("Family\0", 7));
    EXPECT_EQ(BytesAt(file.path, 272, 6), std::string("\x01\x00\x01\x41\x00\x01", 6));
  }
}

struct DamageRow {
  const char* what;
  std::function<void(const PafDamage&, const PafWrittenFile&)> damage;
  std::int64_t offset;  // the one place that changes
  std::string bytes;    // what it holds afterwards
  std::int64_t size;    // the file's size afterwards (0: unchanged)
};

TEST_F(PafWriterTest, EachDamageChangesOnlyItsPlace) {
  const std::int64_t name = 4096 + 8192 + 1;
  const DamageRow rows[] = {
      {"flip", [](const PafDamage& d, const PafWrittenFile&) { d.FlipByte(4096); }, 4096, "\xF4", 0},
      {"set", [](const PafDamage& d, const PafWrittenFile&) { d.SetByte(4096, 0); }, 4096,
       std::string(1, '\0'), 0},
      {"outside", [](const PafDamage& d, const PafWrittenFile& f) { d.PointOutside(f.NameLink(1)); }, name,
       std::string("\x00\x90\x00\x00", 4), 0},
      {"loop", [](const PafDamage& d, const PafWrittenFile& f) { d.MakeLoop(f.NextCitationLink(2), 1); },
       4096 + 3 * 8192 + 127 + 115, std::string("\x01\0\0\0", 4), 0},
      {"truncate", [](const PafDamage& d, const PafWrittenFile&) { d.Truncate(4096 + 8192); }, 4096, "\x0B",
       4096 + 8192},
  };
  PafDescription family;
  family.individuals.resize(1);
  family.individuals[0].surname = "Smith";
  family.individuals[0].citations.resize(2);
  for (const DamageRow& row : rows) {
    const PafWrittenFile file = Write(family, PafVersion::kPaf3);
    std::string expected = ReadFile(file.path);
    row.damage(PafDamage(file.path), file);
    expected.replace(static_cast<std::size_t>(row.offset), row.bytes.size(), row.bytes);
    if (row.size != 0) expected.resize(static_cast<std::size_t>(row.size));
    EXPECT_EQ(ReadFile(file.path), expected) << row.what;
  }
}

}  // namespace
}  // namespace kinshelf::test
