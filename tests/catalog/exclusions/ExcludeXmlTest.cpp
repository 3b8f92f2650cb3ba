// Reading and writing the text of the exclusion file.
#include "catalog/exclusions/ExcludeXml.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kinshelf {
namespace {

using Items = std::vector<WFileExcludeItem>;

const std::string kUtf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
const std::string kCp1252Declaration = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n";

Items Parse(const std::string& xml) {
  return ParseExcludeXml(xml, "Exclude.xml");
}

std::string Item(const std::string& children) {
  return "<Item>" + children + "</Item>";
}

TEST(ExcludeXmlTest, WritesDeclarationEveryElementAndCrLf) {
  const Items items{{true, "/data", true}, {false, "/a.ged", false}};
  EXPECT_EQ(RenderExcludeXml(items), kUtf8Declaration +
                                         "<Root>\r\n"
                                         "  <Item>\r\n"
                                         "    <IsPath>T</IsPath>\r\n"
                                         "    <Path>/data</Path>\r\n"
                                         "    <Sub>T</Sub>\r\n"
                                         "  </Item>\r\n"
                                         "  <Item>\r\n"
                                         "    <IsPath>F</IsPath>\r\n"
                                         "    <Path>/a.ged</Path>\r\n"
                                         "    <Sub>F</Sub>\r\n"
                                         "  </Item>\r\n"
                                         "</Root>\r\n");
}

TEST(ExcludeXmlTest, EmptyListIsTheRootAlone) {
  EXPECT_EQ(RenderExcludeXml({}), kUtf8Declaration + "<Root />\r\n");
  EXPECT_TRUE(Parse(RenderExcludeXml({})).empty());
  EXPECT_TRUE(Parse(kUtf8Declaration + "<Root>\r\n</Root>\r\n").empty());
}

TEST(ExcludeXmlTest, OnlyABlankTextIsAnEmptyList) {
  EXPECT_TRUE(Parse("").empty());
  EXPECT_TRUE(Parse(" \r\n").empty());
  EXPECT_TRUE(Parse(kUtf8Declaration + "<root/>").empty());
}

// Damage is never taken for an empty list, which the next save would write over the entries.
TEST(ExcludeXmlTest, TextThatHoldsNoListIsAnError) {
  const std::string damaged[] = {kUtf8Declaration + "<!-- nothing -->", std::string(1, '\0') + "<Root/>",
                                 "<Root/>" + std::string(1, '\0'), "\x8f\x01garbage",
                                 "<Items><Item/></Items>"};
  for (const std::string& text : damaged) {
    try {
      ParseExcludeXml(text, "/x/Exclude.xml");
      ADD_FAILURE() << text;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()).rfind("/x/Exclude.xml", 0), 0u) << error.what();
    }
  }
}

TEST(ExcludeXmlTest, AwkwardPathsSurviveByteForByte) {
  const Items items{
      {true, "/a \"quoted\" & 'single' <b> ]]> c", true},
      {false, "/caf\xC3\xA9/\xE2\x82\xAC.ged", false},
      {false, "/not-utf8/\xFF\xFE\xE9\x80.ged", false},
      {true, "/line\r\nbreaks\rand\nmore", false},
      {false, "/tab\there/\x01\x1F", false},
      {true, "  ", true},
      {true, " /lead and trail ", false},
      {false, "", false},
  };
  EXPECT_EQ(Parse(RenderExcludeXml(items)), items);
}

TEST(ExcludeXmlTest, UnicodeByteOrderMarkIsSkipped) {
  EXPECT_EQ(Parse("\xEF\xBB\xBF" + kUtf8Declaration + "<Root>" + Item("<Path>/a</Path>") + "</Root>"),
            (Items{{false, "/a", false}}));
}

struct ReadCase {
  const char* label;
  std::string item;
  WFileExcludeItem expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ReadCase& row, std::ostream* out) {
  *out << row.label;
}

class ExcludeXmlReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ExcludeXmlReadTest, ReadsTheEntry) {
  const auto& row = GetParam();
  EXPECT_EQ(Parse(kUtf8Declaration + "<Root>" + row.item + "</Root>"), (Items{row.expected}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExcludeXmlReadTest,
    testing::Values(
        ReadCase{"YesAndLowerTrueAreTrue",
                 Item("<IsPath>yes</IsPath><Path>/d</Path><Sub>true</Sub>"),
                 {true, "/d", true}},
        ReadCase{"NoAndOtherTextAreFalse", Item("<IsPath>No</IsPath><Sub>1</Sub>"), {false, "", false}},
        ReadCase{"MissingElementsAreDefaults", Item(""), {false, "", false}},
        ReadCase{"ItemNameInAnyCase", "<ITEM><IsPath>T</IsPath><Path>/d</Path></ITEM>", {true, "/d", false}},
        ReadCase{
            "ChildNamesInAnyCase", Item("<ISPATH>T</ISPATH><path>/d</path><sub>T</sub>"), {true, "/d", true}},
        ReadCase{"EscapesDecoded", Item("<Path>/a&amp;b&lt;&#233;</Path>"), {false, "/a&b<\xC3\xA9", false}},
        ReadCase{"CdataRead", Item("<Path><![CDATA[/a<b>]]></Path>"), {false, "/a<b>", false}},
        ReadCase{
            "OtherChildrenIgnored", "<Note>x</Note>" + Item("<Path>/d</Path><Extra/>"), {false, "/d", false}},
        ReadCase{"NestedItemsIgnored",
                 Item("<Path>/d</Path><Item><Path>/inner</Path></Item>"),
                 {false, "/d", false}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.label); });

TEST(ExcludeXmlTest, Windows1252TextIsConvertedToUtf8) {
  const std::string body = "<Root>" + Item("<Path>/\x80\xE9\x81\x9F\xFF</Path>") + "</Root>";
  const WFileExcludeItem expected{false, "/\xE2\x82\xAC\xC3\xA9\xC2\x81\xC5\xB8\xC3\xBF", false};
  EXPECT_EQ(Parse(kCp1252Declaration + body), (Items{expected}));
  EXPECT_EQ(Parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body), (Items{expected}));
}

TEST(ExcludeXmlTest, CharacterReferencesInWindows1252TextAreNotConvertedTwice) {
  EXPECT_EQ(Parse(kCp1252Declaration + "<Root>" + Item("<Path>/&#233;\xE9</Path>") + "</Root>"),
            (Items{{false, "/\xC3\xA9\xC3\xA9", false}}));
}

TEST(ExcludeXmlTest, Utf8TextIsTakenAsIs) {
  EXPECT_EQ(Parse(kUtf8Declaration + "<Root>" + Item("<Path>/\xE9\xC3\xA9</Path>") + "</Root>"),
            (Items{{false, "/\xE9\xC3\xA9", false}}));
  EXPECT_EQ(Parse("<Root>" + Item("<Path>/\xC3\xA9</Path>") + "</Root>"),
            (Items{{false, "/\xC3\xA9", false}}));
}

TEST(ExcludeXmlTest, MalformedTextNamesSourceReasonAndOffset) {
  try {
    Parse(kUtf8Declaration + "<Root><Item><Path>/a</Item></Root>");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("Exclude.xml"), std::string::npos) << message;
    EXPECT_NE(message.find("mismatch"), std::string::npos) << message;
    EXPECT_NE(message.find("at offset"), std::string::npos) << message;
    EXPECT_NE(message.find("; correct it, or remove it to start a new list"), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace kinshelf
