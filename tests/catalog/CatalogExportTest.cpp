// The listing as comma-separated text.
#include "catalog/CatalogExport.h"

#include <gtest/gtest.h>

#include "catalog/FileKinds.h"
#include "fileaccess/WIntArray.h"
#include "platform/DateTime.h"
#include "settings/WOptions.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

class CatalogExportTest : public testing::Test {
 protected:
  CatalogExportTest() : store_(folder_.Path("Catalog")) {}
  std::unique_ptr<WIntArray> All() {
    return store_.GetIterator(1, "", true, true, true, true, true, true, true, true, true, true, 3, false);
  }

  test::ScratchFolder folder_;
  WFileStore store_;
  WOptions options_;
};

TEST_F(CatalogExportTest, EmptyListingIsTheHeaderAlone) {
  WIntArray none(std::string(), 0);
  EXPECT_EQ(CatalogCsvText(store_, none, options_), "Name,File Type,Size,Modified Date,Full Path\r\n");
}

TEST_F(CatalogExportTest, LinesFollowTheListingAndKeepFiveFields) {
  const double date = platform::EncodeDateTime({2001, 8, 30, 14, 7, 9, 0});
  test::AddRow(store_, "/data/Smith, John.ged", FileKind::kGedcom, 1234567, date);
  test::AddRow(store_, "/data/a \"b\"/x.paf", FileKind::kPaf, 5, date);
  options_.SetInt(opt::DateOpt, 6);
  options_.SetInt(opt::DateSep, 2);
  options_.SetInt(opt::DateTimeOpt, 2);
  const std::string path = folder_.Path("out.csv");
  ExportCatalogCsv(path, store_, *All(), options_);
  EXPECT_EQ(test::ReadFile(path),
            "Name,File Type,Size,Modified Date,Full Path\r\n"
            "x.paf,PAF,5,2001-08-30 14:07:09,\"/data/a \"\"b\"\"\"\r\n"
            "\"Smith, John.ged\",Gedcom,1234567,2001-08-30 14:07:09,/data\r\n");
}

TEST_F(CatalogExportTest, LargeListingsPassThroughTheScratchFile) {
  store_.BeginTransaction();
  for (int i = 0; i < 7000; ++i)
    test::AddRow(store_, "/some/rather/long/folder/name/file" + std::to_string(i) + ".ged", FileKind::kGedcom,
                 i, 40000);
  store_.CommitTransaction();
  const std::string text = CatalogCsvText(store_, *All(), options_);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7001);
  EXPECT_GT(text.size(), 524288u);
}

TEST_F(CatalogExportTest, UnwritableFileNamesIt) {
  WIntArray none(std::string(), 0);
  try {
    ExportCatalogCsv(folder_.Path("missing/out.csv"), store_, none, options_);
    FAIL() << "export into a missing folder succeeded";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("out.csv"), std::string::npos);
  }
}

}  // namespace
}  // namespace kinshelf
