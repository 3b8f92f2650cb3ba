// The details view over small GEDCOM files of the test's own and the sample files: opening, closing
// and opening again, the three pages, the selector's relatives list and path, refusals, a cancelled
// read, and the individual page of every sample file against the command line's rows.
#include "app/TDetailsView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "IsolatedHome.h"
#include "MessageBoxCloser.h"
#include "PafTestFamily.h"
#include "app/DetailsPage.h"
#include "app/FamilyPageView.h"
#include "app/HeaderPageView.h"
#include "app/IndividualPageView.h"
#include "app/TWaitDlg.h"
#include "catalog/CatalogSession.h"
#include "fileaccess/WIntStack.h"
#include "model/CancelFlag.h"
#include "model/FileChangedError.h"
#include "model/TextEncoding.h"
#include "model/WABSCollection.h"
#include "model/pages/IndividualPage.h"
#include "readers/GenealogyFile.h"
#include "settings/WOptions.h"
#include "support/PafDamage.h"
#include "support/PafWriter.h"
#include "text/ByteText.h"
#include "widgets/TIndInfoPanel.h"
#include "widgets/WIndScroll.h"
#include "widgets/WSelectionButton.h"

namespace kinshelf {
namespace {

// John (I1) married Mary (I2) and then Ann (I3); both John's and Mary's parents are known; Tom is
// the first marriage's child, Sue the second's; Nobody (I10) has no events. No submitter.
constexpr const char* kFamily =
    "0 HEAD\n1 CHAR ASCII\n"
    "0 @I1@ INDI\n1 NAME John /Smith/\n1 SEX M\n1 BIRT\n2 DATE 1 JAN 1900\n1 FAMC @F0@\n1 FAMS @F1@\n"
    "1 FAMS @F2@\n"
    "0 @I2@ INDI\n1 NAME Mary /Jones/\n1 SEX F\n1 FAMC @F3@\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Ann /Brown/\n1 SEX F\n1 FAMS @F2@\n"
    "0 @I4@ INDI\n1 NAME Old /Smith/\n1 SEX M\n1 FAMS @F0@\n"
    "0 @I5@ INDI\n1 NAME Eve /Smith/\n1 SEX F\n1 FAMS @F0@\n"
    "0 @I6@ INDI\n1 NAME Bob /Jones/\n1 SEX M\n1 FAMS @F3@\n"
    "0 @I7@ INDI\n1 NAME Liz /Jones/\n1 SEX F\n1 FAMS @F3@\n"
    "0 @I8@ INDI\n1 NAME Tom /Smith/\n1 SEX M\n1 BIRT\n2 DATE 1925\n1 FAMC @F1@\n"
    "0 @I9@ INDI\n1 NAME Sue /Smith/\n1 SEX F\n1 FAMC @F2@\n"
    "0 @I10@ INDI\n1 NAME Nobody /Else/\n"
    "0 @F0@ FAM\n1 HUSB @I4@\n1 WIFE @I5@\n1 CHIL @I1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1920\n2 PLAC Leeds\n1 CHIL @I8@\n"
    "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 CHIL @I9@\n"
    "0 @F3@ FAM\n1 HUSB @I6@\n1 WIFE @I7@\n1 CHIL @I2@\n"
    "0 TRLR\n";

class TDetailsViewTest : public testing::Test {
 protected:
  TDetailsViewTest() {
    QObject::connect(&view_, &TDetailsView::CaptionChanged,
                     [this](const QString& caption) { caption_ = caption; });
  }
  // Opens the file and waits for the read to end.
  void OpenAndWait(const std::string& path) {
    view_.Open(path);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !view_.Loading(); }, 60000));
  }
  std::int32_t Find(const char* id) { return view_.Collection()->FindIndividual(id); }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (const FactRow& fact : view_.IndividualPage().Page().facts) captions.push_back(fact.caption);
    return captions;
  }
  QString PanelName(FamilyPageView::Panel panel) { return view_.FamilyPage().PanelAt(panel)->Line(0); }
  // Closes the next message box and gives its text.
  QString NextMessage() {
    EXPECT_TRUE(closer_.WaitForNext());
    return closer_.text;
  }

  test::IsolatedHome home_;
  CatalogSession session_;
  TDetailsView view_{session_.Options()};
  test::MessageBoxCloser closer_{QMessageBox::Ok};
  QString caption_;
};

TEST_F(TDetailsViewTest, OpeningClosingAndOpeningAgainReadsTheFileEachTime) {
  const std::string path = home_.WriteFile("family.ged", kFamily);
  OpenAndWait(path);
  ASSERT_NE(view_.Collection(), nullptr);
  EXPECT_EQ(caption_.toStdString(), "Orrinvale Pedora 1.02 - " + path);
  EXPECT_EQ(session_.Options().GetString(opt::File1), path);
  view_.Tabs().setCurrentIndex(TDetailsView::kHeaderTab);
  EXPECT_EQ(session_.Options().GetInt(opt::LastTab), TDetailsView::kHeaderTab);
  QTableWidget* statistics = view_.HeaderPage().Statistics();
  EXPECT_EQ(statistics->item(0, 1)->text(), "family.ged");
  EXPECT_EQ(statistics->item(4, 1)->text(), "10");
  EXPECT_TRUE(statistics->item(3, 1)->text().endsWith(" seconds"));
  for (int row = 0; row < 7; ++row)
    EXPECT_EQ(view_.HeaderPage().SubmitterGrid()->item(row, 1)->text(), "") << row;
  view_.Open(path);  // the file already shown: nothing to do
  EXPECT_FALSE(view_.Loading());
  view_.Close();
  EXPECT_EQ(view_.Collection(), nullptr);
  EXPECT_EQ(statistics->item(0, 1)->text(), "");
  OpenAndWait(path);
  EXPECT_NE(view_.Collection(), nullptr);
}

// The file's name is the system's (UTF-8), whatever the encoding of the file's own texts (a PAF
// file's are Windows-1252).
TEST_F(TDetailsViewTest, TheFilesNameIsShownAsTheSystemGivesIt) {
  const std::string path = home_.Path("M\xC3\xBCller.paf");
  test::PafWriter::Write(test::RichFamily(), test::PafVersion::kPaf5, path);
  OpenAndWait(path);
  ASSERT_NE(view_.Collection(), nullptr);
  view_.Tabs().setCurrentIndex(TDetailsView::kHeaderTab);
  EXPECT_EQ(view_.HeaderPage().Statistics()->item(0, 1)->text(), QString::fromUtf8("M\xC3\xBCller.paf"));
}

TEST_F(TDetailsViewTest, TheIndividualPageListsTheVitalRowsEvenEmptyAndSortsByDateWhenAsked) {
  OpenAndWait(home_.WriteFile("family.ged", kFamily));
  view_.Tabs().setCurrentIndex(TDetailsView::kIndividualTab);
  view_.Selector().JumpTo(Find("I10"));
  EXPECT_EQ(Captions(),
            (std::vector<std::string>{"REF/AFN/Custom", "Name", "Birth", "Christening", "Death", "Burial"}));
  view_.IndividualPage().findChild<QCheckBox*>("chkLDS")->click();
  EXPECT_TRUE(session_.Options().GetBool(opt::UseLDS));
  EXPECT_EQ(Captions().size(), 9u);
  EXPECT_EQ(Captions()[8], "LDS SP");
  view_.IndividualPage().findChild<QCheckBox*>("chkLDS")->click();
  view_.Selector().JumpTo(Find("I1"));
  view_.IndividualPage().findChild<QCheckBox*>("chkChrono")->click();
  std::vector<std::string> dates;
  for (const FactRow& fact : view_.IndividualPage().Page().facts)
    if (!fact.date.empty()) dates.push_back(fact.date);
  EXPECT_EQ(dates, (std::vector<std::string>{"1 Jan 1900", "1920", "1925"}));
  EXPECT_EQ(view_.IndividualPage().Facts()->item(1, 4)->text(), "John /Smith/");
}

TEST_F(TDetailsViewTest, TheFamilyPageShowsBothSpousesInTurnWithTheirParentsAndChildren) {
  OpenAndWait(home_.WriteFile("family.ged", kFamily));
  view_.Tabs().setCurrentIndex(TDetailsView::kFamilyTab);
  view_.Selector().JumpTo(Find("I1"));
  FamilyPageView& page = view_.FamilyPage();
  // The undated second marriage comes first, as the reader orders a person's families.
  EXPECT_TRUE(PanelName(FamilyPageView::kSubject).startsWith("John /Smith/"));
  EXPECT_TRUE(PanelName(FamilyPageView::kSpouse).startsWith("Ann /Brown/"));
  EXPECT_TRUE(PanelName(FamilyPageView::kFather).startsWith("Old /Smith/"));
  EXPECT_TRUE(PanelName(FamilyPageView::kMother).startsWith("Eve /Smith/"));
  EXPECT_EQ(PanelName(FamilyPageView::kSpouseFather), "");
  EXPECT_EQ(page.findChild<QLabel*>("labSpouseCount")->text(), "(1 of 2)");
  EXPECT_EQ(page.findChild<QLabel*>("labMarriage")->text(), "");
  QTableWidget* children = page.findChild<QTableWidget*>("grdChildren");
  EXPECT_TRUE(children->item(0, 1)->text().startsWith("Sue /Smith/"));
  page.findChild<QPushButton*>("butNextSpouse")->click();
  EXPECT_EQ(page.findChild<QLabel*>("labSpouseCount")->text(), "(2 of 2)");
  EXPECT_TRUE(PanelName(FamilyPageView::kSpouse).startsWith("Mary /Jones/"));
  EXPECT_TRUE(PanelName(FamilyPageView::kSpouseFather).startsWith("Bob /Jones/"));
  EXPECT_TRUE(PanelName(FamilyPageView::kSpouseMother).startsWith("Liz /Jones/"));
  EXPECT_EQ(page.findChild<QLabel*>("labMarriage")->text(), "Marriage: 1920, Leeds");
  ASSERT_EQ(children->rowCount(), 1);
  EXPECT_TRUE(children->item(0, 1)->text().startsWith("Tom /Smith/"));
  EXPECT_EQ(children->item(0, 2)->text(), "1925");
  // The family stepped to stays when another tab is taken and this one again.
  view_.Tabs().setCurrentIndex(TDetailsView::kIndividualTab);
  view_.Tabs().setCurrentIndex(TDetailsView::kFamilyTab);
  EXPECT_EQ(page.findChild<QLabel*>("labSpouseCount")->text(), "(2 of 2)");
  page.findChild<QPushButton*>("butNextSpouse")->click();
  EXPECT_EQ(page.findChild<QLabel*>("labSpouseCount")->text(), "(1 of 2)");
  // A double click on a panel goes to its individual.
  QTest::mouseDClick(page.PanelAt(FamilyPageView::kFather), Qt::LeftButton);
  EXPECT_EQ(view_.Selector().Current(), Find("I4"));
}

// The spouse's "S" marker is the shown family's sealing, not that of the spouse's family at the same
// place in the spouse's own list (here Wendy's earlier, sealed marriage to Yann).
TEST_F(TDetailsViewTest, TheSpousePanelsSealingIsTheShownFamilys) {
  OpenAndWait(home_.WriteFile(
      "sealed.ged",
      "0 HEAD\n0 @I1@ INDI\n1 NAME Hal /H/\n1 FAMS @F1@\n0 @I2@ INDI\n1 NAME Wendy /W/\n1 FAMS @F1@\n"
      "1 FAMS @F2@\n0 @I3@ INDI\n1 NAME Yann /Y/\n1 FAMS @F2@\n"
      "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1900\n"
      "0 @F2@ FAM\n1 HUSB @I3@\n1 WIFE @I2@\n1 MARR\n2 DATE 1890\n1 SLGS\n2 DATE 1891\n0 TRLR\n"));
  view_.Tabs().setCurrentIndex(TDetailsView::kFamilyTab);
  view_.Selector().JumpTo(Find("I1"));
  FamilyPageView& page = view_.FamilyPage();
  ASSERT_TRUE(PanelName(FamilyPageView::kSpouse).startsWith("Wendy /W/"));
  EXPECT_FALSE(page.PanelAt(FamilyPageView::kSubject)->Lds().sealingToSpouse);
  EXPECT_FALSE(page.PanelAt(FamilyPageView::kSpouse)->Lds().sealingToSpouse);
  view_.Selector().JumpTo(Find("I3"));
  EXPECT_TRUE(page.PanelAt(FamilyPageView::kSubject)->Lds().sealingToSpouse);
  EXPECT_TRUE(page.PanelAt(FamilyPageView::kSpouse)->Lds().sealingToSpouse);
}

TEST_F(TDetailsViewTest, TheSelectorsRelativesListCountsSpouseItemsAndItsPathGoesBack) {
  OpenAndWait(home_.WriteFile("family.ged", kFamily));
  WIndScroll& selector = view_.Selector();
  const std::int32_t john = Find("I1");
  selector.JumpTo(john);
  WSelectionButton* relatives = selector.RelativesButton();
  emit relatives->PrePopup();
  QStringList items;
  for (QAction* action : relatives->Menu()->actions()) items.push_back(action->text());
  ASSERT_EQ(items.size(), 4);
  EXPECT_TRUE(items[0].startsWith("Spouse: Ann /Brown/"));
  EXPECT_TRUE(
      items[1].startsWith(QString(3 + 3 + 8, QChar(' ')) + "Sue /Smith/"));  // no children, no birth year
  EXPECT_TRUE(items[2].startsWith("Spouse: Mary /Jones/"));
  EXPECT_TRUE(items[3].startsWith("   ") && items[3].contains("1925 Tom /Smith/"));
  relatives->Choose(4);  // Tom: item numbers count the spouse items too
  EXPECT_EQ(selector.Current(), Find("I8"));
  EXPECT_EQ(selector.BackStack().Peek(0), john);
  selector.findChild<QPushButton*>("butFather")->click();
  EXPECT_EQ(selector.Current(), john);
  EXPECT_EQ(selector.BackStack().Size(), 2);  // start, John, Tom: John is not pushed twice in a row
  selector.Back();
  EXPECT_EQ(selector.Current(), Find("I8"));
  EXPECT_EQ(selector.ForwardStack().Size(), 1);
  selector.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(selector.BackStack().Peek(0), Find("I8"));
  EXPECT_EQ(selector.ForwardStack().Size(), 0);
}

TEST_F(TDetailsViewTest, AFileWithoutIndividualsLeavesTheScrollBarDisabledButTheStripEnabled) {
  OpenAndWait(home_.WriteFile("empty.ged", "0 HEAD\n1 CHAR ASCII\n0 TRLR\n"));
  ASSERT_NE(view_.Collection(), nullptr);
  EXPECT_TRUE(view_.Selector().isEnabled());
  EXPECT_FALSE(view_.Selector().ScrollBar()->isEnabled());
  EXPECT_TRUE(view_.IndividualPage().Page().facts.empty());
}

TEST_F(TDetailsViewTest, RefusedGoneAndCancelledFilesLeaveNoCollection) {
  const std::string gone = home_.Path("gone.ged");
  QTimer::singleShot(0, [this, gone] { view_.Open(gone); });
  EXPECT_EQ(NextMessage().toStdString(),
            "The file: " + gone + "\ndoes not exist.  Please select another file.");
  const std::string junk = home_.WriteFile("junk.paf", std::string(4096, 'x'));
  QTimer::singleShot(0, [this, junk] { view_.Open(junk); });
  EXPECT_EQ(NextMessage(), "Unknown PAF file format");
  EXPECT_EQ(view_.Collection(), nullptr);
  EXPECT_EQ(caption_, "Orrinvale Pedora 1.02");
  std::string big = "0 HEAD\n1 CHAR ASCII\n";
  for (int i = 1; i <= 40000; ++i)
    big += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Person" + std::to_string(i) +
           " /Many/\n1 BIRT\n2 DATE 1900\n";
  const std::string large = home_.WriteFile("large.ged", big + "0 TRLR\n");
  view_.Open(large);
  view_.WaitDialog().findChild<QPushButton*>("butCancel")->click();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !view_.Loading(); }, 60000));
  EXPECT_EQ(view_.Collection(), nullptr);
  EXPECT_EQ(view_.Path(), "");
  EXPECT_FALSE(view_.WaitDialog().isVisible());
  ClearCancel();
}

// A file shortened by another program while it is shown: the view closes it and says why, once.
TEST_F(TDetailsViewTest, AFileShortenedWhileShownIsClosedWithItsMessage) {
  std::string text = "0 HEAD\n1 CHAR ASCII\n";
  for (int i = 1; i <= 3000; ++i)
    text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Person" + std::to_string(i) +
            " /Many/\n1 BIRT\n2 DATE 1900\n";
  const std::string path = home_.WriteFile("shrinking.ged", text + "0 TRLR\n");
  OpenAndWait(path);
  ASSERT_NE(view_.Collection(), nullptr);
  std::filesystem::resize_file(path, 100);
  QTimer::singleShot(0, [this] { view_.Selector().JumpTo(3000); });
  EXPECT_TRUE(NextMessage().endsWith("the file changed while it was being read"));
  EXPECT_EQ(view_.Collection(), nullptr);
  EXPECT_EQ(view_.Path(), "");
}

// A file cut short is shown as far as it goes, and the user told that its counts include what is gone.
TEST_F(TDetailsViewTest, AFileCutShortIsShownWithItsDamageTold) {
  const std::string path = home_.Path("cut.paf");
  const test::PafWrittenFile written =
      test::PafWriter::Write(test::RichFamily(), test::PafVersion::kPaf5, path);
  test::PafDamage(path).Truncate(written.Record(test::kPafIndividual, 2));
  QTimer::singleShot(0, [this, path] { view_.Open(path); });
  EXPECT_TRUE(NextMessage().startsWith(QString::fromStdString(path + ": ")));
  EXPECT_NE(view_.Collection(), nullptr);
}

// A page whose filling throws what the test sets.
class ThrowingPage final : public DetailsPage {
 public:
  void Show(WABSCollection* collection) {
    collection_ = collection;
    Refill();
  }
  std::function<void()> fail;
  bool leftEmpty = false;

 protected:
  void Fill() override {
    leftEmpty = collection_ == nullptr;
    if (collection_ != nullptr) fail();
  }
};

// A record that cannot be read (a damaged file that did not change) empties its page and is told;
// the file stays open and the rest of it can be shown. Only a file that changed is closed.
TEST_F(TDetailsViewTest, ARecordThatCannotBeReadIsToldAndTheFileStaysOpen) {
  OpenAndWait(home_.WriteFile("family.ged", kFamily));
  ThrowingPage page;
  int closing = 0;
  int telling = 0;
  QObject::connect(&page, &DetailsPage::ReadFailed, [&closing] { ++closing; });
  QObject::connect(&page, &DetailsPage::RecordFailed, [&telling] { ++telling; });
  page.fail = [] { throw std::runtime_error("Error getting pointer to individual 2"); };
  page.Show(view_.Collection());
  EXPECT_TRUE(page.leftEmpty);
  EXPECT_EQ(closing, 0);
  EXPECT_EQ(telling, 1);
  page.fail = [] { throw FileChangedError("family.ged: the file changed while it was being read"); };
  page.Show(view_.Collection());
  EXPECT_EQ(closing, 1);

  QTimer::singleShot(
      0, [this] { emit view_.IndividualPage().RecordFailed("Error getting pointer to individual 2"); });
  EXPECT_EQ(NextMessage(), "Error getting pointer to individual 2");
  EXPECT_NE(view_.Collection(), nullptr);
}

// The window shows the command line's rows: the first 50 individuals of every sample file.
TEST_F(TDetailsViewTest, TheIndividualPageShowsTheRowsOfThePersonCommandForEverySampleFile) {
  const std::string samples = test::SharedTestData("gedcom");
  if (samples.empty()) GTEST_SKIP() << "no sample files beside the project";
  view_.Tabs().setCurrentIndex(TDetailsView::kIndividualTab);
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(samples)) {
    if (entry.path().extension() != ".ged") continue;
    const std::string path = entry.path().string();
    std::unique_ptr<GenealogyFile> file;
    try {
      file = std::make_unique<GenealogyFile>(path, session_.Options());
    } catch (const std::exception&) {
      continue;  // refused by the command too (a Unicode file, say)
    }
    OpenAndWait(path);
    ASSERT_NE(view_.Collection(), nullptr) << path;
    ++files;
    const std::int32_t count = std::min<std::int32_t>(50, file->Collection().IndividualCount());
    for (std::int32_t index = 1; index <= count; ++index) {
      view_.Selector().JumpTo(index);
      const IndividualPage expected = BuildIndividualPage(file->Collection(), index);
      const QTableWidget& grid = *view_.IndividualPage().Facts();
      ASSERT_EQ(grid.rowCount(), static_cast<int>(expected.facts.size())) << path << " #" << index;
      for (int row = 0; row < grid.rowCount(); ++row) {
        const FactRow& fact = expected.facts[static_cast<std::size_t>(row)];
        const std::string cells[] = {fact.caption, fact.date, fact.place, fact.age, fact.description};
        for (int column = 0; column < 5; ++column)
          EXPECT_EQ(grid.item(row, column)->text().toStdString(),
                    file->Utf8(FlattenLineBreaks(cells[column])))
              << path << " #" << index << " row " << row;
      }
    }
    view_.Close();
  }
  EXPECT_GT(files, 10);
}

}  // namespace
}  // namespace kinshelf
