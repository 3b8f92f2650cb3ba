// Packed PAF dates: the 6-byte form of PAF 3 and 4, the 12-byte form of PAF 5 with its day numbers
// and text links, the status words of both, and damaged or short input.
#include "paf/WPafDate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "paf/PafTextRecords.h"

namespace kinshelf {
namespace {

using Bytes = std::vector<unsigned char>;

std::string Label(const char* label) {
  return label;
}

// The date, after checking that a listing's text of the same bytes is what the date shows.
WDate Paf34(const Bytes& bytes) {
  WDate date = WPafDate::FromPaf34(bytes);
  EXPECT_EQ(WPafDate::TextOfPaf34(bytes), date.IsValid() ? date.DisplayText() : "");
  return date;
}

WDate Paf5(const Bytes& bytes, const PafTextSource* texts) {
  WDate date = WPafDate::FromPaf5(bytes, texts);
  EXPECT_EQ(WPafDate::TextOfPaf5(bytes, texts), date.IsValid() ? date.DisplayText() : "");
  return date;
}

// ---- 6 bytes ----

struct ShortRow {
  const char* label;
  Bytes bytes;
  const char* display;
  bool standard;
  int qualifier;
  int day;
  int month;
  int year;
  int secondYear;
};

void PrintTo(const ShortRow& row, std::ostream* out) {
  *out << row.label;
}

class PafShortDateTest : public testing::TestWithParam<ShortRow> {};

TEST_P(PafShortDateTest, Decodes) {
  const auto& row = GetParam();
  const WDate date = Paf34(row.bytes);
  EXPECT_TRUE(date.IsValid());
  EXPECT_EQ(date.DisplayText(), row.display);
  EXPECT_EQ(date.StoredText(), row.display);
  EXPECT_EQ(date.IsStandard(), row.standard);
  EXPECT_EQ(date.Qualifier(), row.qualifier);
  EXPECT_EQ(date.FirstPart().day, row.day);
  EXPECT_EQ(date.FirstPart().month, row.month);
  EXPECT_EQ(date.FirstPart().year, row.year);
  EXPECT_EQ(date.SecondPart().year, row.secondYear);
  EXPECT_EQ(date.FirstPart().valid, row.standard);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, PafShortDateTest,
    testing::Values(
        ShortRow{"AboutSeventhDecember1856", {0x00, 0x3A, 0x60, 0x3A, 0x03, 0x00}, "Abt 7 Dec 1856", true, 6, 7, 12, 1856, 0},
        ShortRow{"UnreadBitsIgnored", {0x07, 0x3A, 0x67, 0x3F, 0x03, 0x00}, "Abt 7 Dec 1856", true, 6, 7, 12, 1856, 0},
        ShortRow{"StatusWord", {0x00, 0x00, 0xE8, 0x00, 0x00, 0x00}, "SUBMITTED", false, 0, 0, 0, 0, 0},
        ShortRow{"StatusCodeWithHighByteIsNumeric", {0x00, 0x00, 0xE8, 0x00, 0x00, 0x01}, "", true, 0, 0, 0, 0, 0},
        ShortRow{"DualYear", {0xB0, 0x36, 0x00, 0x00, 0x00, 0x01}, "1750/1751", true, 0, 0, 0, 1750, 1751},
        ShortRow{"LargestYearAndOffset", {0xF8, 0xFF, 0x00, 0x00, 0x00, 0xFF}, "8191/8446", true, 0, 0, 0, 8191, 8446},
        ShortRow{"DualYearNeedsAFirstYear", {0x00, 0x00, 0x48, 0x00, 0x00, 0x05}, "Sep", true, 0, 0, 9, 0, 0},
        ShortRow{"MonthBeyond12NamesNoMonth", {0x60, 0x3B, 0x68, 0x28, 0x00, 0x00}, "5 1900", true, 0, 5, 0, 1900, 0}),
    [](const auto& info) { return Label(info.param.label); });
// clang-format on

struct StatusRow {
  std::uint32_t code;
  const char* text;
};

void PrintTo(const StatusRow& row, std::ostream* out) {
  *out << row.code << ' ' << row.text;
}

class PafShortStatusTest : public testing::TestWithParam<StatusRow> {};

TEST_P(PafShortStatusTest, IsTextOnlyWord) {
  const Bytes bytes{0x60, 0x3B, static_cast<unsigned char>(GetParam().code), 0, 0, 0};
  const WDate date = Paf34(bytes);
  EXPECT_FALSE(date.IsStandard());
  EXPECT_EQ(date.DisplayText(), GetParam().text);
  EXPECT_EQ(date.Year(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PafShortStatusTest,
                         testing::Values(StatusRow{104, "BIC"}, StatusRow{120, "CHILD"},
                                         StatusRow{128, "CLEARED"}, StatusRow{136, "COMPLETED"},
                                         StatusRow{184, "INFANT"}, StatusRow{200, "PRE-1970"},
                                         StatusRow{208, "STILLBORN"}, StatusRow{216, "UNCLEARED"},
                                         StatusRow{232, "SUBMITTED"}),
                         [](const auto& info) { return "Code" + std::to_string(info.param.code); });

struct QualifierRow {
  unsigned byte;
  int qualifier;
  const char* display;
};

void PrintTo(const QualifierRow& row, std::ostream* out) {
  *out << row.byte;
}

class PafShortQualifierTest : public testing::TestWithParam<QualifierRow> {};

TEST_P(PafShortQualifierTest, MapsByte4) {
  const Bytes bytes{0x60, 0x3B, 0, 0, static_cast<unsigned char>(GetParam().byte), 0};
  const WDate date = Paf34(bytes);
  EXPECT_EQ(date.Qualifier(), GetParam().qualifier);
  EXPECT_EQ(date.DisplayText(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(Table, PafShortQualifierTest,
                         testing::Values(QualifierRow{0, 0, "1900"}, QualifierRow{1, 2, "Aft 1900"},
                                         QualifierRow{2, 1, "Bef 1900"}, QualifierRow{3, 6, "Abt 1900"},
                                         QualifierRow{4, 9, "Cal 1900"}, QualifierRow{5, 0, "1900"},
                                         QualifierRow{6, 7, "Est 1900"}, QualifierRow{7, 0, "1900"},
                                         QualifierRow{255, 0, "1900"}),
                         [](const auto& info) { return "Byte" + std::to_string(info.param.byte); });

TEST(PafShortDateTest, FewerThanSixBytesGiveAnEmptyDate) {
  const Bytes bytes{0x00, 0x3A, 0x60, 0x3A, 0x03};
  const WDate date = Paf34(bytes);
  EXPECT_FALSE(date.IsValid());
  EXPECT_EQ(date.DisplayText(), "");
}

// ---- 12 bytes ----

Bytes Day(unsigned omitted, std::uint32_t jdn) {
  return {0xFF, static_cast<unsigned char>(omitted), static_cast<unsigned char>(jdn),
          static_cast<unsigned char>(jdn >> 8), static_cast<unsigned char>(jdn >> 16)};
}

Bytes Link(std::int32_t link) {
  const auto value = static_cast<std::uint32_t>(link);
  return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
          static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24), 0};
}

Bytes LongDate(unsigned head, unsigned code, const Bytes& first, const Bytes& second) {
  Bytes bytes{static_cast<unsigned char>(head), static_cast<unsigned char>(code)};
  bytes.insert(bytes.end(), first.begin(), first.end());
  bytes.insert(bytes.end(), second.begin(), second.end());
  return bytes;
}

constexpr std::uint32_t k1Jan1900 = 2415021;
constexpr std::uint32_t k2Feb1901 = 2415418;
constexpr std::uint32_t k1Jan2000 = 2451545;

struct Part {
  int bc;
  int day;
  int month;
  int year;
};

// What a decoded date is: empty (no date at all), standard, or text-only.
enum State { kEmpty, kStandard, kTextOnly };

struct LongRow {
  const char* label;
  Bytes bytes;
  State state;
  const char* display;
  int qualifier;
  Part first;
  Part second;
};

void PrintTo(const LongRow& row, std::ostream* out) {
  *out << row.label;
}

// Text records at 100 ("abt. Spring 1850" and an e acute in Windows-1252) and at 300 ("SECOND").
Bytes TextFile() {
  Bytes file(400, 0);
  const std::string first = "abt. Spring 1850 \xE9";
  const std::string second = "SECOND";
  std::copy(first.begin(), first.end(), file.begin() + 113);
  std::copy(second.begin(), second.end(), file.begin() + 313);
  return file;
}

void ExpectPart(const DateRec& part, const Part& expected) {
  EXPECT_EQ(part.bc, expected.bc != 0);
  EXPECT_EQ(part.day, expected.day);
  EXPECT_EQ(part.month, expected.month);
  EXPECT_EQ(part.year, expected.year);
  EXPECT_FALSE(part.valid);
}

class PafLongDateTest : public testing::TestWithParam<LongRow> {};

TEST_P(PafLongDateTest, Decodes) {
  const auto& row = GetParam();
  const Bytes file = TextFile();
  const PafTextRecords texts(file);
  const WDate date = Paf5(row.bytes, &texts);
  EXPECT_EQ(date.IsValid(), row.state != kEmpty);
  EXPECT_EQ(date.IsStandard(), row.state != kTextOnly);
  EXPECT_EQ(date.DisplayText(), row.display);
  EXPECT_EQ(date.StoredText(), row.display);
  EXPECT_EQ(date.Qualifier(), row.qualifier);
  ExpectPart(date.FirstPart(), row.first);
  ExpectPart(date.SecondPart(), row.second);
}

const Bytes kNone(5, 0);

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DayNumbers, PafLongDateTest,
    testing::Values(
        LongRow{"SingleDay", LongDate(0x12, 0, Day(0, k1Jan2000), kNone), kStandard, "1 Jan 2000", 0, {0, 1, 1, 2000}, {}},
        LongRow{"MonthAndDayOmitted", LongDate(0x12, 1, Day(0x60, k1Jan2000), kNone), kStandard, "Abt 2000", 6,
                {0, 0, 0, 2000}, {}},
        LongRow{"EverythingOmitted", LongDate(0x12, 0, Day(0xE0, k1Jan2000), kNone), kStandard, "", 0, {}, {}},
        LongRow{"JulianEpochIsBC", LongDate(0x12, 0, Day(0, 0), kNone), kStandard, "1 Jan 4713 BC", 0,
                {1, 1, 1, 4713}, {}},
        LongRow{"YearZeroIsOneBC", LongDate(0x12, 0, Day(0, 1721423), kNone), kStandard, "31 Dec 1 BC", 0,
                {1, 31, 12, 1}, {}},
        LongRow{"OmittedYearCarriesNoBC", LongDate(0x12, 0, Day(0x80, 0), kNone), kStandard, "1 Jan", 0,
                {0, 1, 1, 0}, {}},
        LongRow{"SingleDateIgnoresSecondPart", LongDate(0x52, 0, Day(0, k1Jan1900), Day(0, k2Feb1901)), kStandard,
                "1 Jan 1900", 0, {0, 1, 1, 1900}, {}},
        LongRow{"TwoFullParts", LongDate(0x53, 0, Day(0, k1Jan1900), Day(0, k2Feb1901)), kStandard,
                "1 Jan 1900-2 Feb 1901", 0, {0, 1, 1, 1900}, {0, 2, 2, 1901}},
        LongRow{"SecondPartYearOnly", LongDate(0x54, 0, Day(0, k1Jan1900), Day(0x60, k2Feb1901)), kStandard,
                "1 Jan 1900/1901", 0, {0, 1, 1, 1900}, {0, 0, 0, 1901}},
        LongRow{"EncodingNothingLeavesPartEmpty", LongDate(0x02, 0, Day(0, k1Jan1900), kNone), kStandard, "", 0, {}, {}},
        LongRow{"EncodingThreeIsNothing", LongDate(0x32, 0, Day(0, k1Jan1900), kNone), kStandard, "", 0, {}, {}},
        LongRow{"KindNoneIsEmpty", LongDate(0x10, 0, Day(0, k1Jan1900), kNone), kEmpty, "", 0, {}, {}},
        LongRow{"KindFiveIsEmpty", LongDate(0x15, 0, Day(0, k1Jan1900), kNone), kEmpty, "", 0, {}, {}},
        LongRow{"KindFifteenIsEmpty", LongDate(0x1F, 0, Day(0, k1Jan1900), kNone), kEmpty, "", 0, {}, {}},
        LongRow{"UnknownStatusIsEmpty", LongDate(0x01, 20, kNone, kNone), kEmpty, "", 0, {}, {}},
        LongRow{"StatusZeroIsEmpty", LongDate(0x01, 0, kNone, kNone), kEmpty, "", 0, {}, {}},
        LongRow{"StatusIgnoresEncodingBits", LongDate(0xF1, 15, kNone, kNone), kTextOnly, "SUBMITTED", 0, {}, {}}),
    [](const auto& info) { return Label(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    TextLinks, PafLongDateTest,
    testing::Values(
        LongRow{"LinkedTextUnchanged", LongDate(0x22, 1, Link(100), kNone), kTextOnly, "abt. Spring 1850 \xE9", 6,
                {}, {}},
        LongRow{"LinkOutsideFile", LongDate(0x22, 0, Link(5000), kNone), kTextOnly, "", 0, {}, {}},
        LongRow{"LinkToNothing", LongDate(0x22, 0, Link(-1), kNone), kTextOnly, "", 0, {}, {}},
        LongRow{"UnsetSecondLinkKeepsFirstText", LongDate(0xA3, 0, Link(100), Link(0)), kTextOnly,
                "abt. Spring 1850 \xE9", 0, {}, {}},
        LongRow{"SecondLinkTextReplacesFirst", LongDate(0xA3, 0, Link(100), Link(300)), kTextOnly, "SECOND", 0, {}, {}},
        LongRow{"DayThenLinkIsTextOnlyWithParts", LongDate(0x93, 0, Day(0, k1Jan1900), Link(300)), kTextOnly,
                "SECOND", 0, {0, 1, 1, 1900}, {}}),
    [](const auto& info) { return Label(info.param.label); });
// clang-format on

class PafLongStatusTest : public testing::TestWithParam<StatusRow> {};

TEST_P(PafLongStatusTest, IsTextOnlyWord) {
  const WDate date = Paf5(LongDate(0x01, GetParam().code, kNone, kNone), nullptr);
  EXPECT_TRUE(date.IsValid());
  EXPECT_FALSE(date.IsStandard());
  EXPECT_EQ(date.DisplayText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, PafLongStatusTest,
                         testing::Values(StatusRow{1, "BIC"}, StatusRow{2, "CANCELLED"},
                                         StatusRow{3, "CHILD"}, StatusRow{4, "CLEARED"},
                                         StatusRow{5, "COMPLETED"}, StatusRow{6, "DEAD"},
                                         StatusRow{7, "DECEASED"}, StatusRow{8, "DONE"}, StatusRow{9, "DNS"},
                                         StatusRow{10, "DNSCAN"}, StatusRow{11, "INFANT"},
                                         StatusRow{12, "NOTMARRIED"}, StatusRow{13, "PRE-1970"},
                                         StatusRow{14, "STILLBORN"}, StatusRow{15, "SUBMITTED"},
                                         StatusRow{16, "UNCLEARED"}, StatusRow{17, "QUALIFIED"},
                                         StatusRow{18, "DONTDOIT"}, StatusRow{19, "INPROCESS"}),
                         [](const auto& info) { return "Code" + std::to_string(info.param.code); });

class PafLongQualifierTest : public testing::TestWithParam<QualifierRow> {};

TEST_P(PafLongQualifierTest, MapsByte1) {
  const WDate date = Paf5(LongDate(0x12, GetParam().byte, Day(0x60, k1Jan1900), kNone), nullptr);
  EXPECT_EQ(date.Qualifier(), GetParam().qualifier);
  EXPECT_EQ(date.DisplayText(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(Table, PafLongQualifierTest,
                         testing::Values(QualifierRow{0, 0, "1900"}, QualifierRow{1, 6, "Abt 1900"},
                                         QualifierRow{2, 2, "Aft 1900"}, QualifierRow{3, 1, "Bef 1900"},
                                         QualifierRow{4, 7, "Est 1900"}, QualifierRow{5, 9, "Cal 1900"},
                                         QualifierRow{6, 0, "1900"}, QualifierRow{255, 0, "1900"}),
                         [](const auto& info) { return "Byte" + std::to_string(info.param.byte); });

TEST(PafLongDateTest, KindsThreeAndFourDecodeAlike) {
  const Bytes file = TextFile();
  const PafTextRecords texts(file);
  const Bytes parts[] = {Day(0, k1Jan1900), Day(0x60, k2Feb1901), Day(0xE0, 0), Link(300)};
  for (unsigned encodings = 0; encodings < 16; ++encodings) {
    for (const Bytes& first : parts) {
      for (const Bytes& second : parts) {
        const unsigned head = encodings << 4;
        const WDate three = Paf5(LongDate(head | 3, 2, first, second), &texts);
        const WDate four = Paf5(LongDate(head | 4, 2, first, second), &texts);
        EXPECT_EQ(three.DisplayText(), four.DisplayText());
        EXPECT_EQ(three.IsStandard(), four.IsStandard());
        EXPECT_EQ(three.Compare(&four), 0);
        EXPECT_EQ(three.SecondPart().year, four.SecondPart().year);
      }
    }
  }
}

TEST(PafLongDateTest, LinkWithoutTextSourceIsTextOnlyAndBlank) {
  const WDate date = Paf5(LongDate(0x22, 0, Link(100), kNone), nullptr);
  EXPECT_FALSE(date.IsStandard());
  EXPECT_EQ(date.DisplayText(), "");
}

TEST(PafLongDateTest, OnlyTheFirstTwelveBytesCount) {
  Bytes bytes = LongDate(0x12, 0, Day(0, k1Jan2000), kNone);
  EXPECT_EQ(Paf5(Bytes(bytes.begin(), bytes.end() - 1), nullptr).IsValid(), false);
  bytes.push_back(0xFF);
  EXPECT_EQ(Paf5(bytes, nullptr).DisplayText(), "1 Jan 2000");
}

}  // namespace
}  // namespace kinshelf
