// The main window over a catalog of its own: the filter panel's counts and caption, sorting by a
// header press (and the settings it saves), the kind and name filters, and the selected file's
// actions, exclusion among them, and an action that fails.
#include "app/TMainForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "IsolatedHome.h"
#include "MessageBoxCloser.h"
#include "app/AppMain.h"
#include "app/CatalogModel.h"
#include "app/TDetailsView.h"
#include "catalog/CatalogSession.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/WFileStoreFile.h"
#include "settings/WOptions.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

class TMainFormTest : public testing::Test {
 protected:
  // The window over the catalog as the tests filled it.
  TMainForm& Window() {
    if (window_ == nullptr) window_ = std::make_unique<TMainForm>(session_);
    return *window_;
  }
  template <typename T>
  T* Find(const char* name) {
    T* widget = Window().findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString ActionText(const char* name) { return Find<QAction>(name)->text(); }
  // A click on the header section; after the double-click interval, so that two in a row are two.
  void PressHeader(int section) {
    QHeaderView* header = Find<QTableView>("grdFiles")->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2),
                      QApplication::doubleClickInterval() + 10);
  }
  std::string Present(const char* name) { return home_.WriteFile(name, "0 HEAD\n0 TRLR\n"); }

  test::IsolatedHome home_;
  CatalogSession session_;
  std::unique_ptr<TMainForm> window_;
};

TEST_F(TMainFormTest, AnEmptyCatalogShowsOneEmptyRowAndZeroCounts) {
  EXPECT_EQ(Find<QGroupBox>("filterPanel")->title(), "Filter Options (Files = 0)");
  EXPECT_EQ(Find<QLabel>("count3")->text(), "0");
  EXPECT_EQ(Window().Model().rowCount(), 1);
  EXPECT_EQ(ActionText("actLeftSideBookMark"), "BookMark");
  EXPECT_FALSE(Find<QAction>("actLeftSideBookMark")->isEnabled());
  EXPECT_EQ(ActionText("actLeftSideOpenWith"), "Open file");
}

TEST_F(TMainFormTest, PressingTheSortedHeaderTurnsTheOrderAroundAndBothAreSaved) {
  test::AddRow(session_.Store(), Present("a.ged"), FileKind::kGedcom);
  test::AddRow(session_.Store(), Present("b.ged"), FileKind::kGedcom);
  PressHeader(CatalogModel::kName);
  EXPECT_EQ(Window().Model().Filter().sortColumn, ListingColumn::kName);
  EXPECT_TRUE(Window().Model().Filter().ascending);
  EXPECT_EQ(Window().Model().data(Window().Model().index(0, 0)).toString(), "a.ged");
  PressHeader(CatalogModel::kName);
  EXPECT_EQ(Window().Model().data(Window().Model().index(0, 0)).toString(), "b.ged");
  WOptions saved;
  saved.Open(WOptions::DefaultPath());
  saved.Load(WOptions::kCatalogKind);
  EXPECT_EQ(saved.GetInt(opt::FileColumn), 1);
  EXPECT_FALSE(saved.GetBool(opt::FCAtoZ));
}

TEST_F(TMainFormTest, KindBoxesAndTheNameFilterNarrowTheListing) {
  test::AddRow(session_.Store(), Present("smith.ged"), FileKind::kGedcom);
  test::AddRow(session_.Store(), Present("jones.ged"), FileKind::kGedcom);
  test::AddRow(session_.Store(), home_.Path("smith.paf"), FileKind::kPaf);
  EXPECT_EQ(Find<QGroupBox>("filterPanel")->title(), "Filter Options (Files = 3)");
  EXPECT_EQ(Find<QLabel>("count3")->text(), "2");
  Find<QCheckBox>("kind6")->click();
  EXPECT_EQ(Window().Model().ListedCount(), 2);
  EXPECT_FALSE(session_.Options().GetBool(opt::DispFTPAF));
  QLineEdit* name = Find<QLineEdit>("nameFilter");
  QTest::keyClicks(name, "smi");
  EXPECT_EQ(Window().Model().ListedCount(), 2);  // applied on Enter only
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(Window().Model().ListedCount(), 1);
  EXPECT_EQ(Find<QGroupBox>("filterPanel")->title(), "Filter Options (Files = 1)");
}

TEST_F(TMainFormTest, TheSelectedFilesActionsFollowItsBookmarkAndWhetherItIsThere) {
  const std::int32_t id = test::AddRow(session_.Store(), Present("a.ged"), FileKind::kGedcom);
  test::AddRow(session_.Store(), home_.Path("missing.ged"), FileKind::kGedcom);
  PressHeader(CatalogModel::kName);
  EXPECT_EQ(ActionText("actLeftSideBookMark"), "Bookmark file");
  EXPECT_TRUE(Find<QAction>("actLeftSideOpenFolder")->isEnabled());
  Find<QAction>("actLeftSideBookMark")->trigger();
  EXPECT_EQ(ActionText("actLeftSideBookMark"), "Unbookmark file");
  EXPECT_TRUE(session_.Store().GetFile(id)->Bookmark());
  QTableView* grid = Find<QTableView>("grdFiles");
  grid->setCurrentIndex(Window().Model().index(1, 0));
  EXPECT_EQ(ActionText("actLeftSideOpenWith"), "File not found");
  EXPECT_TRUE(Find<QAction>("actLeftSideOpenWith")->isEnabled());
}

// An action whose work fails (here the catalog is held by another process past the wait) shows the
// error and the window goes on: the error escaping the event loop would end the program.
TEST_F(TMainFormTest, AnActionThatFailsShowsItsErrorAndTheWindowGoesOn) {
  const std::int32_t id = test::AddRow(session_.Store(), Present("a.ged"), FileKind::kGedcom);
  PressHeader(CatalogModel::kName);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(session_.Store().FileName().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE Files SET Size=Size;", nullptr, nullptr, nullptr),
            SQLITE_OK);
  test::MessageBoxCloser closer(QMessageBox::Ok);
  QMetaObject::invokeMethod(Find<QAction>("actLeftSideBookMark"), "trigger", Qt::QueuedConnection);
  ASSERT_TRUE(closer.WaitForNext());
  EXPECT_NE(closer.text.indexOf("another Kinshelf process is changing the catalog"), -1)
      << closer.text.toStdString();
  sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_FALSE(session_.Store().GetFile(id)->Bookmark());
  Find<QAction>("actLeftSideBookMark")->trigger();
  EXPECT_TRUE(session_.Store().GetFile(id)->Bookmark());
  // A row another process removed since it was listed is not reported bookmarked.
  session_.Store().DeleteFileRow(id);
  Find<QAction>("actLeftSideBookMark")->trigger();
  EXPECT_EQ(closer.closed, 2);
  EXPECT_TRUE(closer.text.endsWith("a.ged is no longer in the catalog.")) << closer.text.toStdString();
  EXPECT_EQ(Window().Model().ListedCount(), 0);
}

// While the details show a file, the side panel and its actions are that file's: its row is
// selected, or none when it is not listed (a file named on the command line, or filtered out).
TEST_F(TMainFormTest, TheSidePanelFollowsTheFileTheDetailsShow) {
  const std::string a = Present("a.ged");
  test::AddRow(session_.Store(), a, FileKind::kGedcom);
  test::AddRow(session_.Store(), Present("b.ged"), FileKind::kGedcom);
  PressHeader(CatalogModel::kName);
  Find<QTableView>("grdFiles")->setCurrentIndex(Window().Model().index(1, 0));
  EXPECT_EQ(Find<QLabel>("selectedName")->text(), "b.ged");
  Window().ShowDetails(a);
  EXPECT_EQ(Find<QLabel>("selectedName")->text(), "a.ged");
  Find<QLineEdit>("nameFilter")->setText("b");
  QTest::keyClick(Find<QLineEdit>("nameFilter"), Qt::Key_Return);
  EXPECT_EQ(Find<QLabel>("selectedName")->text(), "");
  EXPECT_FALSE(Find<QAction>("actLeftSideBookMark")->isEnabled());
  // With no file, "View with Pedora" only offers the viewer's web page, when it is not installed.
  EXPECT_TRUE(Find<QAction>("actLeftSidePedora")->isEnabled());
  session_.Options().SetString(opt::AppPedora, "/opt/pedora/pedora");
  QTest::keyClick(Find<QLineEdit>("nameFilter"), Qt::Key_Return);
  EXPECT_FALSE(Find<QAction>("actLeftSidePedora")->isEnabled());
  Window().ShowList();
  EXPECT_EQ(Find<QLabel>("selectedName")->text(), "b.ged");
}

// Accepts the next dialog that opens, with the line `row` of its list chosen (-1: as it is).
void AcceptNextDialog(int row) {
  QTimer::singleShot(0, [row] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    if (auto* list = dialog->findChild<QListWidget*>(); list != nullptr && row >= 0) list->setCurrentRow(row);
    dialog->accept();
  });
}

TEST_F(TMainFormTest, ExcludingTheSelectedFileMovesTheSelectionUpAndKeepsTheFileOut) {
  test::AddRow(session_.Store(), Present("a.ged"), FileKind::kGedcom);
  test::AddRow(session_.Store(), Present("b.ged"), FileKind::kGedcom);
  test::AddRow(session_.Store(), Present("c.ged"), FileKind::kGedcom);
  PressHeader(CatalogModel::kName);
  QTableView* grid = Find<QTableView>("grdFiles");
  grid->setCurrentIndex(Window().Model().index(1, 0));
  AcceptNextDialog(-1);
  Find<QAction>("actLeftSideExclude")->trigger();
  EXPECT_EQ(Window().Model().ListedCount(), 2);
  EXPECT_EQ(grid->currentIndex().row(), 0);
  WFileExcludeList list(WFileExcludeList::DefaultFileName());
  list.Load();
  EXPECT_TRUE(list.IsFileExcluded(home_.Path("b.ged")));
  // "/*.*": every folder of every drive, done only when confirmed.
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    test::MessageBoxCloser closer(answer);
    AcceptNextDialog(0);
    Find<QAction>("actLeftSideExclude")->trigger();
    EXPECT_EQ(closer.closed, 1);
    EXPECT_EQ(Window().Model().ListedCount(), answer == QMessageBox::Yes ? 0 : 2);
  }
}

// Before the window shows, the catalog and the exclusion list exist; once it shows, the automatic
// refresh runs to its end before the first run's welcome appears.
TEST_F(TMainFormTest, StartingUpRefreshesTheCatalogBeforeItWelcomes) {
  test::AddRow(session_.Store(), home_.Path("gone.ged"), FileKind::kGedcom);
  session_.Options().SetBool(opt::AutoUpdate, true);
  session_.Options().SetBool(opt::FirstTime, true);
  EXPECT_TRUE(std::filesystem::exists(session_.Store().FileName()));
  EXPECT_TRUE(std::filesystem::exists(WFileExcludeList::DefaultFileName()));
  EXPECT_EQ(Window().windowTitle(), "Orrinvale Kinshelf 1.02");
  EXPECT_EQ(Window().Model().ListedCount(), 1);
  test::MessageBoxCloser closer(QMessageBox::Close);
  Window().StartUp();  // the refresh runs to its end in here
  EXPECT_EQ(Window().Model().ListedCount(), 0);
  ASSERT_TRUE(closer.WaitForNext());
  EXPECT_EQ(closer.title, "Welcome to Kinshelf");
}

TEST_F(TMainFormTest, TheFirstRunWelcomesOnceAndIsThenNoLongerTheFirst) {
  session_.Options().SetBool(opt::AutoUpdate, false);
  session_.Options().SetBool(opt::FirstTime, true);
  test::MessageBoxCloser closer(QMessageBox::Close);
  Window().StartUp();
  ASSERT_TRUE(closer.WaitForNext());
  EXPECT_EQ(closer.title, "Welcome to Kinshelf");
  EXPECT_TRUE(QTest::qWaitFor([this] { return !session_.Options().GetBool(opt::FirstTime); }, 5000));
}

// The listing rebuilt under a selection: the row stays when it is still there, the last row takes
// over when the listing got shorter, and the first row is chosen when it was the first.
TEST_F(TMainFormTest, ARebuildKeepsTheSelectedRowWhereTheListingAllowsIt) {
  for (int i = 0; i < 30; ++i)
    test::AddRow(session_.Store(), home_.Path((i < 10 ? "keep" : "drop") + std::to_string(10 + i) + ".ged"),
                 FileKind::kGedcom);
  QTableView* grid = Find<QTableView>("grdFiles");
  QLineEdit* name = Find<QLineEdit>("nameFilter");
  const struct {
    int selected;
    const char* filter;
    int expected;
  } rows[] = {{5, "", 5}, {25, "keep", 9}, {3, "keep", 3}, {0, "", 0}, {9, "", 9}};
  for (const auto& row : rows) {
    grid->setCurrentIndex(Window().Model().index(row.selected, 0));
    name->setText(row.filter);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(grid->currentIndex().row(), row.expected) << row.selected << row.filter;
  }
}

// Sizes outside 8...16 for the list and 8...10 for the side panel leave the previous size in force.
TEST_F(TMainFormTest, FontSizesOutsideTheirRangesAreIgnored) {
  const int standard = QApplication::font().pointSize();
  const struct {
    int list;
    int side;
    int listShown;
    int sideShown;
  } rows[] = {{12, 9, 12, 9}, {7, 11, standard, standard}, {17, 8, standard, 8}, {16, 10, 16, 10}};
  for (const auto& row : rows) {
    session_.Options().SetInt(opt::FontZoom, row.list);
    session_.Options().SetInt(opt::SideFontZoom, row.side);
    window_.reset();
    EXPECT_EQ(Find<QTableView>("grdFiles")->font().pointSize(), row.listShown) << row.list;
    EXPECT_EQ(Find<QWidget>("sidePanel")->font().pointSize(), row.sideShown) << row.side;
  }
}

// The details action reads the selected file in place of the list; back to the list frees it.
TEST_F(TMainFormTest, TheDetailsActionShowsTheSelectedFileAndTheListComesBack) {
  const std::string path = home_.WriteFile("tree.ged", "0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n0 TRLR\n");
  test::AddRow(session_.Store(), path, FileKind::kGedcom);
  Window().show();
  QAction* details = Find<QAction>("actFileViewFileDetails");
  details->trigger();
  ASSERT_TRUE(QTest::qWaitFor([this] { return Window().Details().Collection() != nullptr; }, 10000));
  EXPECT_TRUE(Window().Details().isVisible());
  EXPECT_EQ(Window().windowTitle().toStdString(), "Orrinvale Pedora 1.02 - " + path);
  details->trigger();
  EXPECT_EQ(Window().Details().Collection(), nullptr);
  EXPECT_TRUE(Find<QTableView>("grdFiles")->isVisible());
  EXPECT_EQ(Window().windowTitle(), "Orrinvale Kinshelf 1.02");
}

TEST_F(TMainFormTest, WithoutTheViewerItsActionAsksToVisitItsWebPage) {
  session_.Options().SetString(opt::AppPedora, "");
  test::AddRow(session_.Store(), Present("a.ged"), FileKind::kGedcom);
  ASSERT_TRUE(Find<QAction>("actLeftSidePedora")->isEnabled());
  test::MessageBoxCloser closer(QMessageBox::No);
  Find<QAction>("actLeftSidePedora")->trigger();
  EXPECT_TRUE(closer.text.startsWith("Pedora is not installed on your computer."))
      << closer.text.toStdString();
}

TEST(RunWindowTest, WithoutADisplayItSaysSoAndFails) {
  const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  std::string saved[3];
  for (int i = 0; i < 3; ++i) {
    const char* value = std::getenv(names[i]);
    saved[i] = value != nullptr ? value : "";
    unsetenv(names[i]);
  }
  char name[] = "kinshelf";
  char* argv[] = {name, nullptr};
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunWindow(1, argv, nullptr), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("'kinshelf --help' lists the commands"),
            std::string::npos);
  for (int i = 0; i < 3; ++i) {
    if (!saved[i].empty()) setenv(names[i], saved[i].c_str(), 1);
  }
}

}  // namespace
}  // namespace kinshelf
