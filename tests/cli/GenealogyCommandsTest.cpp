// kinshelf show, people, person and family on small GEDCOM files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "cli/JsonWriter.h"

namespace kinshelf::test {
namespace {

const char* const kFamilyFile =
    "0 HEAD\n1 SOUR TESTER\n2 VERS 2.0\n1 SUBM @U1@\n1 CHAR UTF-8\n"
    "0 @U1@ SUBM\n1 NAME Ann Submitter\n1 ADDR 1 Road\n2 CONT Town\n1 PHON 555\n"
    "0 @I1@ INDI\n1 NAME John /Smith/\n1 SEX M\n1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Boston\n"
    "1 OCCU Farmer\n2 DATE 1925\n1 DEAT\n2 DATE 1970\n1 FAMS @F1@\n1 FAMC @F2@\n"
    "0 @I2@ INDI\n1 NAME Mary /Jones/\n1 SEX F\n1 CHR\n2 DATE 1902\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Åsa /Smith/\n1 SEX F\n1 BIRT\n2 DATE 1930\n1 FAMC @F1@\n"
    "0 @I4@ INDI\n1 NAME Old /Smith/\n1 SEX M\n1 BIRT\n2 DATE 1870\n1 FAMS @F2@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 5 MAY 1925\n2 PLAC Salem\n1 CHIL @I3@\n"
    "0 @F2@ FAM\n1 HUSB @I4@\n1 CHIL @I1@\n"
    "0 TRLR\n";

class GenealogyCommandsTest : public CliTest {
 protected:
  std::string File() const { return home_.WriteFile("family.ged", kFamilyFile); }
};

TEST_F(GenealogyCommandsTest, ShowGivesHeaderSubmitterAndStatistics) {
  const auto result = Run({"show", "--format", "json", File()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("\"caption\": \"Application\",\n      \"value\": \"TESTER\""), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find(
                "\"name\": \"Ann Submitter\",\n    \"address1\": \"1 Road\",\n    \"address2\": \"Town\""),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("\"file_name\": \"family.ged\""), std::string::npos);
  EXPECT_NE(
      result.out.find("\"individuals\": 4,\n    \"marriages\": 2,\n    \"notes\": 0,\n    \"sources\": 0"),
      std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find(" seconds\""), std::string::npos);
  const auto text = Run({"show", File()}).out;
  EXPECT_NE(text.find("Individuals  4\n"), std::string::npos) << text;
}

// Bytes of the file must not drive the terminal: an escape sequence shows as text, and a line break
// inside a value does not break the table's line.
TEST_F(GenealogyCommandsTest, TextOutputShowsControlCharactersVisibly) {
  const auto file = home_.WriteFile("odd.ged",
                                    "0 HEAD\n1 SOUR \x1b[31mRED\n1 SUBM @U1@\n0 @U1@ SUBM\n1 NAME Ann\n"
                                    "1 ADDR Road\n2 CONT\n2 CONT Town\n0 TRLR\n");
  const auto result = Run({"show", file});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
  EXPECT_NE(result.out.find("^[[31mRED"), std::string::npos) << result.out;
}

TEST_F(GenealogyCommandsTest, PeopleInIndexOrderWithAFilter) {
  auto result = Run({"people", "--format", "json", "--name", "smith", File()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find(
                "\"index\": 1,\n    \"id\": \"I1\",\n    \"name\": \"John /Smith/ [I1]\",\n"
                "    \"birth\": \"1 Jan 1900, Boston\",\n    \"birth_date\": \"1 Jan 1900\",\n"
                "    \"birth_place\": \"Boston\",\n    \"death\": \"1970\",\n    \"death_date\": \"1970\",\n"
                "    \"death_place\": \"\""),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("\"name\": \"Åsa /Smith/ [I3]\""), std::string::npos);
  EXPECT_EQ(result.out.find("Mary"), std::string::npos);
  result = Run({"people", "--format", "csv", "--name", "smith", File()});
  EXPECT_EQ(result.out.substr(0, result.out.find("\r\n", 30) + 2),
            "index,id,name,birth,death\r\n1,I1,John /Smith/ [I1],\"1 Jan 1900, Boston\",1970\r\n")
      << result.out;
}

// An event's date and place are joined by ", " only when both are there, in every format; the
// members of each alone keep no joint.
TEST_F(GenealogyCommandsTest, PeopleJoinDateAndPlaceOnlyWhenBothAreThere) {
  const struct {
    const char* lines;  // the individual's birth
    const char* joined;
    const char* date;
    const char* place;
  } cases[] = {{"1 BIRT\n2 DATE 1900\n2 PLAC Oslo\n", "1900, Oslo", "1900", "Oslo"},
               {"1 BIRT\n2 DATE 1900\n", "1900", "1900", ""},
               {"1 BIRT\n2 PLAC Oslo\n", "Oslo", "", "Oslo"},
               {"", "", "", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    const auto file = home_.WriteFile("event.ged", std::string("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ann /Lee/\n") +
                                                       c.lines + "1 DEAT\n2 DATE 1970\n2 PLAC Bergen\n0 TRLR\n");
    const std::string json = Run({"people", "--format", "json", file}).out;
    EXPECT_NE(json.find("\"birth\": \"" + std::string(c.joined) + "\",\n    \"birth_date\": \"" + c.date +
                        "\",\n    \"birth_place\": \"" + c.place + "\",\n    \"death\": \"1970, Bergen\""),
              std::string::npos)
        << json;
    const std::string quoted = std::string(c.date).empty() || std::string(c.place).empty()
                                   ? c.joined
                                   : "\"" + std::string(c.joined) + "\"";
    EXPECT_EQ(Run({"people", "--format", "csv", file}).out,
              "index,id,name,birth,death\r\n1,I1,Ann /Lee/ [I1]," + quoted + ",\"1970, Bergen\"\r\n");
    const std::string text = Run({"people", file}).out;
    const std::string row = text.substr(text.rfind('\n', text.size() - 2) + 1);
    const std::string birth = std::string(c.joined) + std::string(std::max<std::size_t>(5, std::string(c.joined).size()) -
                                                                  std::string(c.joined).size(), ' ');
    EXPECT_EQ(row, "    1  I1  Ann /Lee/ [I1]  " + birth + "  1970, Bergen\n") << text;
  }
}

// Texts whose every byte takes the longest escape fill the room each object is written into.
TEST_F(GenealogyCommandsTest, PeopleJsonEscapesTextsOfTheLongestEscapes) {
  const std::string odd(60, '\xff');
  const auto file = home_.WriteFile("odd.ged", "0 HEAD\n1 CHAR UTF-8\n0 @" + odd + "@ INDI\n1 NAME " + odd +
                                                   " /" + odd + "/\n1 BIRT\n2 DATE " + odd + "\n2 PLAC " +
                                                   odd + "\n1 DEAT\n2 PLAC \"" + odd + "\"\n0 TRLR\n");
  const auto result = Run({"people", "--format", "json", file});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto quoted = [](const std::string& text) { return cli::JsonWriter::Quote(text); };
  for (const std::string& member :
       {"\"name\": " + quoted(odd + " /" + odd + "/ [" + odd + "]"), "\"birth\": " + quoted(odd + ", " + odd),
        "\"birth_place\": " + quoted(odd), "\"death_place\": " + quoted('"' + odd + '"')}) {
    EXPECT_NE(result.out.find(member), std::string::npos) << member;
  }
}

// The texts of an 8-bit file are converted to UTF-8 as they are listed: those of the lines long
// enough for the quick look and of the short ones still get the escapes they need.
TEST_F(GenealogyCommandsTest, PeopleJsonEscapesConvertedTexts) {
  const auto file =
      home_.WriteFile("ansi.ged",
                      "0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME Ren\xe9 \"Bo\" /Ro\\y/\n1 BIRT\n2 "
                      "PLAC Caf\xe9\x01"
                      "A\tB\n0 @I2@ INDI\n1 NAME \x80\n0 @I3@ INDI\n1 NAME \\\n0 TRLR\n");
  const auto result = Run({"people", "--format", "json", file});
  ASSERT_EQ(result.status, 0) << result.err;
  for (const char* member : {R"("name": "René \"Bo\" /Ro\\y/ [I1]")", R"("birth_place": "Café\u0001A\tB")",
                             R"("name": "€ // [I2]")", R"("name": "\\ // [I3]")"}) {
    EXPECT_NE(result.out.find(member), std::string::npos) << member << "\n" << result.out;
  }
}

// A byte sequence split between two texts is no UTF-8 in either: each text escapes its own part.
TEST_F(GenealogyCommandsTest, PeopleJsonEscapesSequencesSplitBetweenTexts) {
  const auto file = home_.WriteFile("split.ged",
                                    "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ren\xc3\xa9 /Roy/\n1 BIRT\n2 "
                                    "DATE 1900\n2 PLAC Ville\xc3\n1 DEAT\n2 PLAC \xa9lan\n0 TRLR\n");
  const auto result = Run({"people", "--format", "json", file});
  ASSERT_EQ(result.status, 0) << result.err;
  for (const char* member : {"\"name\": \"Ren\xc3\xa9 /Roy/ [I1]\"", "\"birth_place\": \"Ville\\udcc3\"",
                             "\"death_place\": \"\\udca9lan\""}) {
    EXPECT_NE(result.out.find(member), std::string::npos) << member << "\n" << result.out;
  }
}

// Listings of many individuals are read in chunks on every core: they still come in index order, in
// one document, with chunks that the filter empties left out cleanly.
TEST_F(GenealogyCommandsTest, PeopleOfManyChunksKeepIndexOrder) {
  constexpr int kPeople = 9000;
  std::string text = "0 HEAD\n1 CHAR UTF-8\n";
  for (int i = 1; i <= kPeople; ++i) {
    const std::string n = std::to_string(i);
    text += "0 @I" + n + "@ INDI\n1 NAME P" + n + " /" + (i > 8000 ? "Late" : "Early") +
            "/\n1 BIRT\n2 DATE " + std::to_string(1000 + i % 900) + "\n";
  }
  const auto file = home_.WriteFile("many.ged", text + "0 TRLR\n");
  const struct {
    const char* name;
    int first;
    int count;
  } cases[] = {{"", 1, kPeople}, {"late", 8001, 1000}, {"nobody", 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args{"people", "--format", "json", file};
    if (*c.name != '\0') args.insert(args.end(), {"--name", c.name});
    const auto json = Run(args).out;
    if (c.count == 0) {
      EXPECT_EQ(json, "[]\n");
      continue;
    }
    EXPECT_TRUE(json.starts_with("[\n  {\n    \"index\": " + std::to_string(c.first) + ","))
        << json.substr(0, 40);
    EXPECT_TRUE(json.ends_with("\"\n  }\n]\n"));
    std::size_t at = 0;
    int expected = c.first;
    for (; (at = json.find("\"index\": ", at)) != std::string::npos; ++expected) {
      at += 9;
      ASSERT_EQ(json.compare(at, std::to_string(expected).size() + 1, std::to_string(expected) + ","), 0)
          << at;
    }
    EXPECT_EQ(expected, c.first + c.count);
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), c.count);
  }
  const auto csv = Run({"people", "--format", "csv", file}).out;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), kPeople + 1);
  EXPECT_NE(csv.find("\r\n4097,I4097,P4097 /Early/ [I4097],1497,\r\n4098,I4098,"), std::string::npos);
}

// A large file's listing starts while the file loads. Its people, before a note of some 64 MB
// that keeps the load busy, list as they do from a small file with the same people, in every
// format and with a filter.
TEST_F(GenealogyCommandsTest, AListingMadeWhileTheFileLoadsListsAsAfterTheLoad) {
  std::string people = "0 HEAD\n1 CHAR UTF-8\n";
  for (int i = 1; i <= 9000; ++i) {
    const std::string n = std::to_string(i);
    people += "0 @I" + n + "@ INDI\n1 NAME P" + n + " /" + (i % 3 == 0 ? "Third" : "Other") +
              "/\n1 BIRT\n2 DATE " + std::to_string(1000 + i % 900) + "\n2 PLAC K\xc3\xb6ln\n";
  }
  std::string note = "0 @N1@ NOTE\n";
  const std::string line = "1 CONT " + std::string(100, 'x') + "\n";
  while (note.size() < (std::size_t{65} << 20)) note += line;
  const auto small = home_.WriteFile("small.ged", people + "0 TRLR\n");
  const auto large = home_.WriteFile("large.ged", people + note + "0 TRLR\n");
  for (const char* format : {"json", "csv", "text"}) {
    for (const char* name : {"", "third"}) {
      std::vector<std::string> args{"people", "--format", format};
      if (*name != '\0') args.insert(args.end(), {"--name", name});
      auto smallArgs = args;
      smallArgs.push_back(small);
      args.push_back(large);
      const auto expected = Run(smallArgs);
      ASSERT_EQ(expected.status, 0) << expected.err;
      EXPECT_EQ(Run(args).out, expected.out) << format << " " << name;
    }
  }
}

TEST_F(GenealogyCommandsTest, PersonListsFactsWithAgesAndRelations) {
  const auto result = Run({"person", "--format", "json", File(), "@I1@"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string& out = result.out;
  EXPECT_NE(out.find("\"sex\": \"M\""), std::string::npos);
  EXPECT_NE(out.find("\"caption\": \"Occupation\",\n      \"date\": \"1925\",\n      \"place\": \"\",\n"
                     "      \"age\": \"25\",\n      \"description\": \"Farmer\""),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\"caption\": \"Father\""), std::string::npos) << out;
  EXPECT_NE(out.find("\"caption\": \"     Daughter\""), std::string::npos) << out;
  EXPECT_NE(out.find("\"description\": \"Mary /Jones/ [I2], m. 5 May 1925\""), std::string::npos) << out;
  EXPECT_EQ(Run({"person", File(), "I1"}).status, 0);
  EXPECT_EQ(Run({"person", File(), "1"}).out, Run({"person", File(), "I1"}).out);
}

TEST_F(GenealogyCommandsTest, ChronoSortsTheFactsAfterTheName) {
  ASSERT_EQ(Run({"settings", "Chrono", "T"}).status, 0);
  const auto out = Run({"person", File(), "I1"}).out;
  const auto father = out.find("Father");
  const auto birth = out.find("Birth");
  const auto marriage = out.find("Marriage");
  const auto death = out.find("Death");
  ASSERT_NE(father, std::string::npos) << out;
  EXPECT_LT(father, birth);
  EXPECT_LT(birth, marriage);
  EXPECT_LT(marriage, death);
  EXPECT_EQ(out.find("Christening"), std::string::npos);
}

TEST_F(GenealogyCommandsTest, FamilyShowsBothCouplesAndTheChildren) {
  const auto result = Run({"family", "--format", "json", File(), "I1"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string& out = result.out;
  EXPECT_EQ(out.rfind("{\n  \"position\": 1,\n  \"count\": 1,\n  \"subject\": {\n    \"index\": 1,", 0), 0u)
      << out;
  EXPECT_NE(out.find("\"spouse\": {\n    \"index\": 2,"), std::string::npos);
  EXPECT_NE(out.find("\"father\": {\n    \"index\": 4,"), std::string::npos);
  EXPECT_NE(out.find("\"mother\": null"), std::string::npos);
  EXPECT_NE(out.find("\"spouse_father\": null"), std::string::npos);
  EXPECT_NE(out.find("\"marriage\": {\n    \"date\": \"5 May 1925\",\n    \"place\": \"Salem\"\n  }"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\"name\": \"Åsa /Smith/ [I3]\""), std::string::npos);
  // FamBirChr: a missing birth falls back to the christening, in brackets.
  EXPECT_NE(out.find("\"birth\": \"[1902]\",\n    \"birth_date\": \"1902\",\n    \"birth_place\": \"\""),
            std::string::npos)
      << out;
  EXPECT_EQ(Run({"family", "--spouse", "2", File(), "I1"}).status, 1);
  const auto unmarried = Run({"family", "--spouse", "1", File(), "I3"});
  EXPECT_EQ(unmarried.status, 1);
  EXPECT_NE(unmarried.err.find("the individual has no spouse family"), std::string::npos) << unmarried.err;
  EXPECT_EQ(Run({"family", File(), "I3"}).status, 0);
}

// An ANSEL file's names, places and date phrases reach the output decoded once: as UTF-8, never
// converted again as if they were Windows-1252.
TEST_F(GenealogyCommandsTest, AnselTextsShowDecodedOnce) {
  struct Row {
    const char* lines;  // of one individual, in ANSEL
    const char* shown;  // in its line of `people --format csv`
  };
  const Row rows[] = {
      {"1 NAME \xE2Zaneta /\xE2"
       "Cwik\xB1"
       "a/",
       ",\xC5\xB9"
       "aneta /\xC4\x86wik\xC5\x82"
       "a/ [I1],"},
      {"1 NAME Ji\xE9r\xE2i /\xE9"
       "Capek/",
       ",Ji\xC5\x99\xC3\xAD /\xC4\x8C"
       "apek/ [I2],"},
      {"1 NAME Ann\n1 BIRT\n2 DATE 1900\n2 PLAC Ni\xE9s", "\"1900, Ni\xC5\xA1\""},
      {"1 NAME Bo\n1 DEAT\n2 DATE ABT 1850 \xE2"
       "e",
       ",ABT 1850 \xC3\xA9\r\n"},
  };
  std::string file = "0 HEAD\n1 CHAR ANSEL\n";
  for (std::size_t i = 0; i < std::size(rows); ++i)
    file += "0 @I" + std::to_string(i + 1) + "@ INDI\n" + rows[i].lines + "\n";
  const auto result = Run({"people", "--format", "csv", home_.WriteFile("ansel.ged", file + "0 TRLR\n")});
  ASSERT_EQ(result.status, 0) << result.err;
  for (const Row& row : rows)
    EXPECT_NE(result.out.find(row.shown), std::string::npos) << row.lines << "\n" << result.out;
}

TEST_F(GenealogyCommandsTest, AnUndatedMarriageShowsTheSpouseAlone) {
  const std::string file = home_.WriteFile(
      "undated.ged",
      "0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n1 FAMS @F1@\n0 @I2@ INDI\n1 NAME C /D/\n1 FAMS @F1@\n"
      "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 PLAC Here\n0 TRLR\n");
  const auto result = Run({"person", "--format", "json", file, "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("\"description\": \"C /D/ [I2]\""), std::string::npos) << result.out;
}

TEST_F(GenealogyCommandsTest, UnreadableFilesGiveTheFactorysMessage) {
  auto result = Run({"show", home_.WriteFile("wide.ged", std::string("\xff\xfe"
                                                                     "0\0",
                                                                     4))});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Error: Cannot read unicode GEDCOM file: " + home_.Path("wide.ged")),
            std::string::npos)
      << result.err;
  EXPECT_EQ(result.err.find('\r'), std::string::npos);
  result = Run({"show", home_.WriteFile("tree.ftw", "x")});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find(home_.Path("tree.ftw") + ": Unknown file format"), std::string::npos) << result.err;
  // A pipe would be read for ever; a link is followed to what it names.
  const std::string pipe = home_.Path("pipe.ged");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string dangling = home_.Path("dangling.ged");
  ASSERT_EQ(symlink(home_.Path("nowhere.ged").c_str(), dangling.c_str()), 0);
  const std::pair<std::string, std::string> oneLiners[] = {
      {home_.WriteFile("empty.ged", ""), home_.Path("empty.ged") + ": the file is empty\n"},
      {home_.MakeFolder("folder.ged"), home_.Path("folder.ged") + " is a folder, not a genealogy file\n"},
      {home_.Path("missing.ged"), "The file " + home_.Path("missing.ged") + " does not exist\n"},
      {dangling, "The file " + dangling + " does not exist\n"},
      {pipe, pipe + " is a device, a pipe or a socket, not a genealogy file\n"}};
  for (const auto& [path, message] : oneLiners) {
    result = Run({"show", path});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "kinshelf show: " + message);
  }
  result = Run({"person", File(), "I99"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("I99"), std::string::npos);
  EXPECT_EQ(Run({"person", File(), "5"}).status, 1);
}

}  // namespace
}  // namespace kinshelf::test
