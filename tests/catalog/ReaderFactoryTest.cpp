// Choosing the reader for a file: format codes, the UTF-16 refusal and the PAF signature.
#include "catalog/ReaderFactory.h"

#include <gtest/gtest.h>

#include "model/WABSCollection.h"
#include "settings/WOptions.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

TEST(ReaderFactoryTest, FormatCodesOfExtensions) {
  EXPECT_EQ(FormatCodeFromExtension(".ged"), format::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".GED"), format::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".sub"), format::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".xxx"), format::kGedcom);
  EXPECT_EQ(FormatCodeFromExtension(".Paf"), format::kPaf);
  EXPECT_EQ(FormatCodeFromExtension(".fbk"), format::kFamilyTreeMaker);
  EXPECT_EQ(FormatCodeFromExtension(".tmg"), format::kTmg);
  EXPECT_EQ(FormatCodeFromExtension(".pjc"), format::kMasterGenealogistProject);
  EXPECT_EQ(FormatCodeFromExtension(".rmgc"), format::kRootsMagic);
  EXPECT_EQ(FormatCodeFromExtension(".gedcom"), format::kUnknown);
  EXPECT_EQ(FormatCodeFromExtension(""), format::kUnknown);
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
  EXPECT_EQ(CreateCollection(utf16, error, 0, options), nullptr);
  EXPECT_EQ(error, "Error: Cannot read unicode GEDCOM file\r" + utf16);

  for (const std::string& wide : {std::string("\xfe\xff\0"
                                              "0",
                                              4),
                                  std::string("0\0 \0H\0", 6),
                                  std::string("\0"
                                              "0\0 ",
                                              4)}) {
    EXPECT_EQ(CreateCollection(folder.WriteFile("other.ged", wide), error, 0, options), nullptr);
    EXPECT_EQ(error.rfind("Error: Cannot read unicode GEDCOM file\r", 0), 0u);
  }

  const auto marked = folder.WriteFile("marked.GED",
                                       "\xef\xbb\xbf"
                                       "0 HEAD\n0 TRLR\n");
  auto collection = CreateCollection(marked, error, 0, options);
  ASSERT_NE(collection, nullptr) << error;
  EXPECT_EQ(collection->Kind(), WABSCollection::kKindGedcom);
  EXPECT_NE(CreateCollection(folder.WriteFile("a.sub", "0 HEAD\n"), error, 0, options), nullptr);

  EXPECT_EQ(CreateCollection(folder.WriteFile("a.rmg", "x"), error, 0, options), nullptr);
  EXPECT_EQ(error, "Unknown file format");
  EXPECT_EQ(CreateCollection(folder.WriteFile("b.paf", std::string(12, 'x')), error, 0, options), nullptr);
  EXPECT_EQ(error, "Unknown PAF file format");
  EXPECT_EQ(CreateCollection(folder.WriteFile("empty.ged", ""), error, 0, options), nullptr);
  EXPECT_NE(error.find("empty.ged"), std::string::npos) << error;
}

}  // namespace
}  // namespace kinshelf
