// kinshelf show, people, person and family on PAF 3, 4 and 5 files the PAF writer made: the facts
// come through, the JSON has the keys the same commands give for a GEDCOM file, and damage is
// reported.
#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>
#include <set>
#include <string>

#include "CliTestSupport.h"
#include "PafTestFamily.h"
#include "support/PafDamage.h"
#include "support/PafWriter.h"

namespace kinshelf::test {
namespace {

// The keys of a JSON text, in a set: its shape without its values.
std::set<std::string> KeysOf(const std::string& json) {
  static const std::regex key("\"([a-z_0-9]+)\":");
  std::set<std::string> keys;
  for (auto it = std::sregex_iterator(json.begin(), json.end(), key); it != std::sregex_iterator(); ++it)
    keys.insert((*it)[1]);
  return keys;
}

const char* const kGedcomFamily =
    "0 HEAD\n1 SOUR TESTER\n1 SUBM @U1@\n0 @U1@ SUBM\n1 NAME Ann\n"
    "0 @I1@ INDI\n1 NAME John /Smith/\n1 SEX M\n1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Boston\n2 SOUR @S1@\n"
    "1 DEAT\n2 DATE 1970\n1 NOTE A note\n1 FAMS @F1@\n1 FAMC @F2@\n"
    "0 @I2@ INDI\n1 NAME Mary /Jones/\n1 SEX F\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Tom /Smith/\n1 SEX M\n1 FAMC @F1@\n0 @I4@ INDI\n1 NAME Old /Smith/\n1 FAMS @F2@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1925\n1 CHIL @I3@\n0 @F2@ FAM\n1 HUSB @I4@\n1 CHIL "
    "@I1@\n"
    "0 @S1@ SOUR\n1 TITL Register\n0 TRLR\n";

class PafCommandsTest : public CliTest, public testing::WithParamInterface<PafVersion> {
 protected:
  std::string PafFile() const {
    const std::string path = home_.Path("family.paf");
    PafWriter::Write(RichFamily(), GetParam(), path);
    return path;
  }
};

TEST_P(PafCommandsTest, EveryCommandShowsTheFamily) {
  const std::string file = PafFile();
  const auto show = Run({"show", file});
  ASSERT_EQ(show.status, 0) << show.err;
  EXPECT_NE(show.out.find("Individuals  8\n"), std::string::npos) << show.out;
  EXPECT_NE(show.out.find("Deleted Individuals  1"), std::string::npos) << show.out;
  const auto people = Run({"people", file});
  ASSERT_EQ(people.status, 0) << people.err;
  EXPECT_NE(people.out.find("John Henry /Smith/ Jr [1]  4 Mar 1850, Springfield, Ohio  Abt 1920"),
            std::string::npos)
      << people.out;
  const auto person = Run({"person", file, "1"});
  ASSERT_EQ(person.status, 0) << person.err;
  EXPECT_NE(person.out.find("RIN/AFN/Custom"), std::string::npos) << person.out;
  EXPECT_NE(person.out.find("1 / 9X2K-7Q / R-17"), std::string::npos) << person.out;
  const auto family = Run({"family", file, "1"});
  ASSERT_EQ(family.status, 0) << family.err;
  EXPECT_NE(family.out.find("Marriage: 12 Jun 1870, Boston"), std::string::npos) << family.out;
}

TEST_P(PafCommandsTest, JsonHasTheShapeOfTheGedcomOutput) {
  const std::string paf = PafFile();
  const std::string gedcom = home_.WriteFile("family.ged", kGedcomFamily);
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"show"}, {"people"}, {"person", "1"}, {"family", "1"}}) {
    auto arguments = command;
    arguments.insert(arguments.begin() + 1, {"--format", "json"});
    auto withFile = [&](const std::string& file) {
      auto all = arguments;
      all.insert(all.begin() + 3, file);
      return Run(all);
    };
    const auto fromPaf = withFile(paf);
    const auto fromGedcom = withFile(gedcom);
    ASSERT_EQ(fromPaf.status, 0) << fromPaf.err;
    ASSERT_EQ(fromGedcom.status, 0) << fromGedcom.err;
    EXPECT_EQ(KeysOf(fromPaf.out), KeysOf(fromGedcom.out)) << command[0];
  }
}

// PAF texts are Windows-1252: converted as they are listed, they still get the escapes and quotes
// each format needs.
TEST_P(PafCommandsTest, PeopleListAwkwardTextsInEveryFormat) {
  PafDescription family = RichFamily();
  family.individuals[1].givenNames = {"Ma\"ry"};
  family.individuals[1].surname = "Br\xf6wn";
  family.individuals[1].birth.place = {"Caf\xe9, \"Nord\""};
  family.individuals[2].givenNames = {"An\\ne"};
  family.individuals[2].surname = "Cl\x01" "ark";
  const std::string file = home_.Path("awkward.paf");
  PafWriter::Write(family, GetParam(), file);
  const auto json = Run({"people", file, "--format", "json"});
  ASSERT_EQ(json.status, 0) << json.err;
  for (const char* member : {R"("name": "Ma\"ry /Bröwn/ [2]")", R"("birth_place": "Café, \"Nord\"")",
                             R"("name": "An\\ne /Cl\u0001ark/ [3]")"}) {
    EXPECT_NE(json.out.find(member), std::string::npos) << member << "\n" << json.out;
  }
  const auto csv = Run({"people", file, "--format", "csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  for (const char* line : {"\r\n2,2,\"Ma\"\"ry /Bröwn/ [2]\",\"Café, \"\"Nord\"\"\",", "\r\n3,3,An\\ne /Cl\x01" "ark/ [3],"}) {
    EXPECT_NE(csv.out.find(line), std::string::npos) << line << "\n" << csv.out;
  }
}

TEST_P(PafCommandsTest, AFileOfNoPafVersionIsRefusedByName) {
  const auto result = Run({"show", home_.WriteFile("odd.paf", std::string(64, 'x'))});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Unknown PAF file format"), std::string::npos) << result.err;
}

TEST_P(PafCommandsTest, ADamagedFileIsRefusedWithItsNameAndTheDamage) {
  const std::string file = PafFile();
  ASSERT_EQ(truncate(file.c_str(), 5000), 0);
  const auto result = Run({"people", file});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find(file + ": the file ends inside its header or first map block"), std::string::npos)
      << result.err;
}

// A file cut short counts individuals whose records it no longer holds (here all but the first,
// whose name texts are gone too, and the deleted one): the commands say so, the listing and the
// header after what they could show, and fail.
TEST_P(PafCommandsTest, IndividualsWhoseRecordsAreGoneAreAnError) {
  const std::string file = home_.Path("family.paf");
  const PafWrittenFile written = PafWriter::Write(RichFamily(), GetParam(), file);
  PafDamage(file).Truncate(written.Record(kPafIndividual, 2));
  for (const char* format : {"text", "csv", "json"}) {
    const auto people = Run({"people", file, "--format", format});
    EXPECT_EQ(people.status, 1) << format;
    EXPECT_NE(people.err.find(file + ": 8 of the 9 individuals could not be read; the file may be cut short"),
              std::string::npos)
        << people.err;
    EXPECT_NE(people.out.find("// [1]"), std::string::npos) << people.out;
  }
  for (const char* command : {"person", "family"}) {
    const auto page = Run({command, file, "2"});
    EXPECT_EQ(page.status, 1) << command;
    EXPECT_EQ(page.out, "") << command;
    EXPECT_NE(page.err.find(file + ": Error getting pointer to individual 2"), std::string::npos) << page.err;
  }
  // The header is shown, and its counts told to include what is gone.
  const auto header = Run({"show", file});
  EXPECT_EQ(header.status, 1);
  EXPECT_NE(header.out.find("Individuals"), std::string::npos) << header.out;
  EXPECT_NE(header.err.find(" past the end of the file; it is cut short"), std::string::npos) << header.err;
}

INSTANTIATE_TEST_SUITE_P(AllVersions, PafCommandsTest,
                         testing::Values(PafVersion::kPaf3, PafVersion::kPaf4, PafVersion::kPaf5),
                         [](const auto& info) {
                           return "Paf" + std::to_string(static_cast<int>(info.param));
                         });

}  // namespace
}  // namespace kinshelf::test
