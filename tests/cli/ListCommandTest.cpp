// kinshelf list and kinshelf counts on catalogs with awkward names and thousands of rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "CliTestSupport.h"
#include "catalog/FileKinds.h"
#include "catalog/store/WFileStore.h"
#include "platform/DateTime.h"
#include "platform/Paths.h"
#include "support/CatalogTestSupport.h"

namespace kinshelf::test {
namespace {

class ListCommandTest : public CliTest {};

TEST_F(ListCommandTest, FreshHomeCreatesTheCatalogAndListsNothing) {
  const auto result = Run({"list"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(std::filesystem::exists(CatalogFile()));
  EXPECT_NE(result.out.find("0 files"), std::string::npos);
  EXPECT_EQ(Run({"list", "--format", "json"}).out, "[]\n");
  EXPECT_EQ(Run({"list", "--format", "csv"}).out,
            "id,name,kind,kind_code,size,modified,created,path,bookmark,exists\r\n");
}

TEST_F(ListCommandTest, JsonCarriesEveryFieldAndExactBytes) {
  const double modified = platform::EncodeDateTime({2001, 8, 30, 14, 7, 9, 0});
  {
    auto store = OpenCatalog();
    AddRow(*store, "/data/O'Brien, \"Tree\".ged", FileKind::kGedcom, 5LL << 30, modified, true);
    AddRow(*store, std::string("/data/bad\xff.paf"), FileKind::kPaf, 10, 0);
  }
  const auto result = Run({"list", "--format", "json", "--sort", "size"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "[\n"
            "  {\n"
            "    \"id\": 2,\n"
            "    \"name\": \"bad\\udcff.paf\",\n"
            "    \"kind\": \"PAF\",\n"
            "    \"kind_code\": 6,\n"
            "    \"size\": 10,\n"
            "    \"modified\": null,\n"
            "    \"created\": null,\n"
            "    \"path\": \"/data/bad\\udcff.paf\",\n"
            "    \"bookmark\": false,\n"
            "    \"exists\": false\n"
            "  },\n"
            "  {\n"
            "    \"id\": 1,\n"
            "    \"name\": \"O'Brien, \\\"Tree\\\".ged\",\n"
            "    \"kind\": \"Gedcom\",\n"
            "    \"kind_code\": 3,\n"
            "    \"size\": 5368709120,\n"
            "    \"modified\": \"2001-08-30T14:07:09\",\n"
            "    \"created\": null,\n"
            "    \"path\": \"/data/O'Brien, \\\"Tree\\\".ged\",\n"
            "    \"bookmark\": true,\n"
            "    \"exists\": false\n"
            "  }\n"
            "]\n");
}

TEST_F(ListCommandTest, CsvQuotesOnlyWhatNeedsIt) {
  {
    auto store = OpenCatalog();
    AddRow(*store, "/data/O'Brien, \"Tree\".ged", FileKind::kGedcom, 1, 0);
    AddRow(*store, "/data/plain.ged", FileKind::kGedcom, 2, 0);
  }
  const auto result = Run({"list", "--format", "csv"});
  EXPECT_EQ(result.out,
            "id,name,kind,kind_code,size,modified,created,path,bookmark,exists\r\n"
            "1,\"O'Brien, \"\"Tree\"\".ged\",Gedcom,3,1,,,\"/data/O'Brien, \"\"Tree\"\".ged\",false,false\r\n"
            "2,plain.ged,Gedcom,3,2,,,/data/plain.ged,false,false\r\n");
}

TEST_F(ListCommandTest, TextTableShowsFlagsAndMarksExistingFiles) {
  const auto real = home_.WriteFile("tree/Åström.ged", "0 HEAD\n");
  {
    auto store = OpenCatalog();
    auto record = store->NewFile(real, FileKind::kGedcom);
    record->SetBookmark(true);
    record->SaveToStore();
    AddRow(*store, "/gone/missing.ged", FileKind::kGedcom, 3, 0);
  }
  const auto result = Run({"list"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("ID  Flags  Name         Type    Size"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find(" 1  B      Åström.ged   Gedcom     7"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find(" 2  M      missing.ged  Gedcom     3"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("2 files"), std::string::npos);
}

TEST_F(ListCommandTest, FiltersAndSortingOnThousandsOfRows) {
  {
    auto store = OpenCatalog();
    store->BeginTransaction();
    for (int i = 0; i < 3000; ++i) {
      const FileKind kind =
          i % 3 == 0 ? FileKind::kGedcom : (i % 3 == 1 ? FileKind::kPaf : FileKind::kLegacy);
      const std::string name = (i % 100 == 0 ? "it's_" : "n") + std::to_string(i) + (i % 7 == 0 ? "%x" : "");
      AddRow(*store, "/d" + std::to_string(i % 10) + "/" + name + ".ged", kind, 3000 - i, 40000 + i,
             i % 5 == 0);
    }
    store->CommitTransaction();
  }
  const auto count = [](const std::string& out) { return std::count(out.begin(), out.end(), '\n') - 1; };
  EXPECT_EQ(count(Run({"list", "--format", "csv"}).out), 3000);
  EXPECT_EQ(count(Run({"list", "--format", "csv", "--kinds", "gedcom,paf"}).out), 2000);
  EXPECT_EQ(count(Run({"list", "--format", "csv", "--bookmarked"}).out), 600);
  EXPECT_EQ(count(Run({"list", "--format", "csv", "--name", "IT'S"}).out), 30);
  EXPECT_EQ(count(Run({"list", "--format", "csv", "--name", "t's_1"}).out), 11);
  EXPECT_EQ(count(Run({"list", "--format", "csv", "--name", "0%x", "--kinds", "gedcom"}).out), 34);
  const auto bySize = Run({"list", "--format", "csv", "--sort", "size", "--desc"}).out;
  EXPECT_EQ(bySize.substr(bySize.find("\r\n") + 2, 4), "1,it");
  const auto byDate = Run({"list", "--format", "csv", "--sort", "modified", "--desc"}).out;
  EXPECT_EQ(byDate.substr(byDate.find("\r\n") + 2, 7), "3000,n2");
}

TEST_F(ListCommandTest, JsonReadsBackWithPythonSurrogateEscape) {
  if (std::system("python3 -c pass >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
  const std::string name = std::string("Fam\xc3\xadlia \xe2\x80\x94 \xff\xc3(\x01.ged");
  {
    auto store = OpenCatalog();
    AddRow(*store, "/data/" + name, FileKind::kGedcom, 1, 0);
  }
  const auto json = home_.WriteFile("out.json", Run({"list", "--format", "json"}).out);
  const auto expected = home_.WriteFile("expected.bin", "/data/" + name);
  const std::string script =
      "import json,sys; rows=json.load(open(sys.argv[1])); "
      "sys.exit(0 if rows[0]['path'].encode('utf-8','surrogateescape')==open(sys.argv[2],'rb').read() else "
      "1)";
  EXPECT_EQ(std::system(("python3 -c \"" + script + "\" " + json + " " + expected).c_str()), 0);
}

TEST_F(ListCommandTest, CountsInTheSidePanelOrder) {
  {
    auto store = OpenCatalog();
    AddRow(*store, "/a.ged", FileKind::kGedcom, 1, 0);
    AddRow(*store, "/b.ged", FileKind::kGedcom, 1, 0);
    AddRow(*store, "/c.pjc", FileKind::kMasterGenealogist, 1, 0);
  }
  const auto json = Run({"counts", "--format", "json"}).out;
  EXPECT_EQ(
      json,
      "{\n  \"kinds\": {\n    \"Legacy\": 0,\n    \"RootsMagic\": 0,\n    \"PAF\": 0,\n    \"Gedcom\": 2,\n"
      "    \"Family Tree Maker\": 0,\n    \"Ancestral Quest\": 0,\n    \"Heritage Family Tree\": 0,\n"
      "    \"TMG\": 1,\n    \"Genbox\": 0\n  },\n  \"total\": 3\n}\n");
  const auto text = Run({"counts"}).out;
  EXPECT_NE(text.find("Gedcom                    2"), std::string::npos) << text;
  EXPECT_NE(text.find("Total                     3"), std::string::npos) << text;
  const auto csv = Run({"counts", "--format", "csv"}).out;
  EXPECT_EQ(csv.rfind("kind,files\r\nLegacy,0\r\nRootsMagic,0\r\n", 0), 0u) << csv;
  EXPECT_NE(csv.find("\r\nFamily Tree Maker,0\r\n"), std::string::npos) << csv;
  EXPECT_EQ(csv.substr(csv.size() - 9), "Total,3\r\n");
}

}  // namespace
}  // namespace kinshelf::test
