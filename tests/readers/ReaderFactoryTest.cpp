// Choosing the reader for a file: format codes, the UTF-16 refusal, the PAF signature, and a GEDCOM
// file that another process shortens while it is read.
#include "readers/ReaderFactory.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "model/CancelFlag.h"
#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"
#include "model/WABSNote.h"
#include "model/WABSRepo.h"
#include "model/WABSSource.h"
#include "model/WABSSubmitter.h"
#include "settings/WOptions.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

TEST(ReaderFactoryTest, FormatCodesOfExtensions) {
  EXPECT_EQ(FormatCodeFromExtension(".ged"), ReaderFormat::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".GED"), ReaderFormat::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".sub"), ReaderFormat::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".xxx"), ReaderFormat::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".Paf"), ReaderFormat::kPaf);
  EXPECT_EQ(FormatCodeFromExtension(".fbk"), ReaderFormat::kFamilyTreeMaker);
  EXPECT_EQ(FormatCodeFromExtension(".tmg"), ReaderFormat::kTmg);
  EXPECT_EQ(FormatCodeFromExtension(".pjc"), ReaderFormat::kMasterGenealogistProject);
  EXPECT_EQ(FormatCodeFromExtension(".rmgc"), ReaderFormat::kRootsMagic);
  EXPECT_EQ(FormatCodeFromExtension(".gedcom"), ReaderFormat::kUnknown);
  EXPECT_EQ(FormatCodeFromExtension(""), ReaderFormat::kUnknown);
}

TEST(ReaderFactoryTest, PafVersionFromTheSignature) {
  test::ScratchFolder folder;
  const auto signature = [&](const std::string& bytes) {
    return PafVersion(folder.WriteFile("a.paf", bytes));
  };
  EXPECT_EQ(signature(std::string("\0\0\0\0"
                                  "500\0"
                                  "PAF\0",
                                  12)),
            500);
  EXPECT_EQ(signature(std::string("\0\0\0\0"
                                  "400\0"
                                  "PAF\0",
                                  12)),
            kPafUnrecognised);
  EXPECT_EQ(signature(std::string("\0\0\0\0"
                                  "xxxx"
                                  "400\0",
                                  12)),
            400);
  EXPECT_EQ(signature(std::string("\0\0\0\0"
                                  "xxxx"
                                  "300\0",
                                  12)),
            300);
  EXPECT_EQ(signature(std::string("\0\0\0\0"
                                  "xxxx"
                                  "300",
                                  11)),
            kPafUnrecognised);
  EXPECT_EQ(PafVersion(folder.Path("missing.paf")), kPafUnrecognised);
}

TEST(ReaderFactoryTest, CollectionOrTheErrorText) {
  test::ScratchFolder folder;
  WOptions options;
  std::string error;
  const auto utf16 = folder.WriteFile("wide.ged", std::string("\xff\xfe"
                                                              "0\0 \0",
                                                              6));
  EXPECT_EQ(CreateCollection(utf16, error, ReaderFormat::kUnknown, options), nullptr);
  EXPECT_EQ(error, "Error: Cannot read unicode GEDCOM file\r" + utf16);

  for (const std::string& wide : {std::string("\xfe\xff\0"
                                              "0",
                                              4),
                                  std::string("0\0 \0H\0", 6),
                                  std::string("\0"
                                              "0\0 ",
                                              4)}) {
    EXPECT_EQ(CreateCollection(folder.WriteFile("other.ged", wide), error, ReaderFormat::kUnknown, options),
              nullptr);
    EXPECT_EQ(error.rfind("Error: Cannot read unicode GEDCOM file\r", 0), 0u);
  }

  const auto marked = folder.WriteFile("marked.GED",
                                       "\xef\xbb\xbf"
                                       "0 HEAD\n0 TRLR\n");
  auto collection = CreateCollection(marked, error, ReaderFormat::kUnknown, options);
  ASSERT_NE(collection, nullptr) << error;
  EXPECT_EQ(collection->Kind(), CollectionKind::kGedcom);
  EXPECT_NE(CreateCollection(folder.WriteFile("a.sub", "0 HEAD\n"), error, ReaderFormat::kUnknown, options),
            nullptr);

  EXPECT_EQ(CreateCollection(folder.WriteFile("a.rmg", "x"), error, ReaderFormat::kUnknown, options),
            nullptr);
  EXPECT_EQ(error, "Unknown file format");
  EXPECT_EQ(CreateCollection(folder.WriteFile("b.paf", std::string(12, 'x')), error, ReaderFormat::kUnknown,
                             options),
            nullptr);
  EXPECT_EQ(error, "Unknown PAF file format");
  EXPECT_EQ(CreateCollection(folder.WriteFile("empty.ged", ""), error, ReaderFormat::kUnknown, options),
            nullptr);
  EXPECT_NE(error.find("empty.ged"), std::string::npos) << error;
}

// A GEDCOM file of many pages: a header, `count` individuals and a trailer.
std::string ManyIndividuals(int count) {
  std::string text = "0 HEAD\n1 CHAR UTF-8\n";
  for (int n = 1; n <= count; ++n) {
    text += "0 @I" + std::to_string(n) + "@ INDI\n1 NAME Person " + std::to_string(n) +
            " /Family/\n1 BIRT\n2 DATE 1 JAN 1800\n2 PLAC Somewhere\n";
  }
  return text + "0 TRLR\n";
}

// The message of the std::runtime_error that `action` throws; empty when it throws none.
template <typename Action>
std::string FailureOf(Action&& action) {
  try {
    action();
  } catch (const std::runtime_error& failure) {
    return failure.what();
  }
  return {};
}

// A collection of a GEDCOM file of many pages, made but not loaded, for shortening the file under it.
class ManyPagesGedcomTest : public testing::Test {
 protected:
  void SetUp() override {
    // The cancel flag is the process's: a damaged read in an earlier test may have left it set.
    ClearCancel();
    std::string error;
    collection_ = CreateCollection(path_, error, ReaderFormat::kUnknown, options_);
    ASSERT_NE(collection_, nullptr) << error;
  }

  test::ScratchFolder folder_;
  WOptions options_;
  const std::string path_ = folder_.WriteFile("many.ged", ManyIndividuals(500));
  std::unique_ptr<WABSCollection> collection_;
};

TEST_F(ManyPagesGedcomTest, AnIntactGedcomFileLoadsAndLinks) {
  EXPECT_TRUE(collection_->Load());
  collection_->LinkRecords();
  EXPECT_EQ(collection_->IndividualCount(), 500);
}

TEST_F(ManyPagesGedcomTest, AGedcomFileShortenedBeforeLoadingFailsTheLoadNamingTheFile) {
  ASSERT_EQ(truncate(path_.c_str(), 100), 0);
  ClearCancel();
  EXPECT_EQ(FailureOf([&] { collection_->Load(); }), path_ + ": the file changed while it was being read");
  // The damage stopped the passes at their next record instead of letting each scan the zeros.
  EXPECT_TRUE(CancelRequested());
  ClearCancel();
}

TEST_F(ManyPagesGedcomTest, AGedcomFileShortenedAfterLoadingFailsTheLinking) {
  ASSERT_TRUE(collection_->Load());
  ASSERT_EQ(truncate(path_.c_str(), 5000), 0);
  EXPECT_EQ(FailureOf([&] { collection_->LinkRecords(); }),
            path_ + ": the file changed while it was being read");
}

TEST_F(ManyPagesGedcomTest, OnceAReadHitsTheLostEndOfAGedcomFileNoMoreRecordsAreHandedOut) {
  ASSERT_TRUE(collection_->Load());
  collection_->LinkRecords();
  ASSERT_EQ(truncate(path_.c_str(), 100), 0);
  const auto last = collection_->GetIndividual(500);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->GetIDText(), "");
  const std::string changed = path_ + ": the file changed while it was being read";
  EXPECT_EQ(FailureOf([&] { collection_->GetIndividual(1); }), changed);
  EXPECT_EQ(FailureOf([&] { collection_->GetMarriage(1); }), changed);
  EXPECT_EQ(FailureOf([&] { collection_->GetNote(1); }), changed);
  EXPECT_EQ(FailureOf([&] { collection_->GetSource(1); }), changed);
  EXPECT_EQ(FailureOf([&] { collection_->GetRepo(1); }), changed);
  EXPECT_EQ(FailureOf([&] { collection_->GetSubmitter(); }), changed);
}

}  // namespace
}  // namespace kinshelf
