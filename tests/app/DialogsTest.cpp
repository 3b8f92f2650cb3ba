// The catalog dialogs: the folder picker's check of the folder, paths that are not UTF-8 handed back
// whole, the search button's caption, a search of a folder that records what it finds and closes,
// the exclusion list kept when the dialog goes, the refresh of a listing, and the file-not-found
// answers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "IsolatedHome.h"
#include "MessageBoxCloser.h"
#include "app/TDialogFileExclude.h"
#include "app/TDialogFileNotFound.h"
#include "app/TDialogFileSearch.h"
#include "app/TDialogOptions.h"
#include "app/TDialogReports.h"
#include "app/TDialogSelectFolder.h"
#include "app/TDialogUpdateFileList.h"
#include "catalog/CatalogSession.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "settings/WOptions.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

TEST(TDialogSelectFolderTest, OkWantsAnExistingFolder) {
  test::ScratchFolder folder;
  TDialogSelectFolder picker;
  picker.Preset(folder.Path("missing"), false);
  EXPECT_EQ(picker.findChild<QLineEdit*>("edtFolder")->text(), "");
  EXPECT_TRUE(picker.IncludeSubfolders());
  picker.show();
  test::MessageBoxCloser closer(QMessageBox::Ok);
  QTimer::singleShot(0, &picker, [&picker] { picker.accept(); });
  ASSERT_TRUE(closer.WaitForNext());
  EXPECT_EQ(closer.text, "Please enter a valid folder");
  EXPECT_TRUE(picker.isVisible());
  picker.Preset(folder.Path(), false);
  picker.accept();
  EXPECT_EQ(picker.result(), QDialog::Accepted);
  EXPECT_EQ(picker.Folder(), folder.Path());
  EXPECT_FALSE(picker.IncludeSubfolders());
}

// A name in an old single-byte encoding is shown with stand-ins; what the dialogs hand back is still
// the name's own bytes, or an exclusion would name no file and leave the file listed.
TEST(PathDialogsTest, APathThatIsNotUtf8IsHandedBackAsItsBytes) {
  test::ScratchFolder folder;
  const std::string latin = folder.MakeFolder("M\xFCller");
  TDialogSelectFolder picker;
  picker.Preset(latin, true);
  EXPECT_EQ(picker.Folder(), latin);
  picker.findChild<QLineEdit*>("edtFolder")->setText(QString::fromStdString(folder.Path()));
  EXPECT_EQ(picker.Folder(), folder.Path());

  TDialogFileExclude exclude(latin + "/tree.ged");
  EXPECT_EQ(exclude.Chosen(), latin + "/tree.ged");
  auto* lines = exclude.findChild<QListWidget*>("lbExcludePaths");
  lines->setCurrentRow(lines->count() - 2);
  EXPECT_EQ(exclude.Chosen(), latin);
}

class TDialogFileSearchTest : public testing::Test {
 protected:
  std::vector<platform::Drive> Drive() const {
    return {{home_.Path("files") + "/", platform::DriveType::kFixed, "ext4"}};
  }

  test::IsolatedHome home_;
  CatalogSession session_;
};

TEST_F(TDialogFileSearchTest, WithoutACheckedDriveTheButtonAsksForOne) {
  session_.Options().SetBool(opt::FirstTime, false);
  TDialogFileSearch dialog(session_, Drive());
  auto* button = dialog.findChild<QPushButton*>("butSearch");
  EXPECT_EQ(button->text(), "Select a Drive");
  EXPECT_FALSE(button->isEnabled());
  dialog.findChild<QListWidget*>("chkListDrives")->item(0)->setCheckState(Qt::Checked);
  EXPECT_EQ(button->text(), "Search Computer");
  EXPECT_TRUE(button->isEnabled());
}

TEST_F(TDialogFileSearchTest, ASearchRecordsWhatItFindsAndCloses) {
  home_.WriteFile("files/tree.ged", "0 HEAD\n0 TRLR\n");
  home_.WriteFile("files/notes.txt", "no");
  session_.Options().SetBool(opt::FirstTime, true);
  TDialogFileSearch dialog(session_, Drive());
  dialog.show();
  QTest::mouseClick(dialog.findChild<QPushButton*>("butSearch"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.result() == QDialog::Accepted; }, 10000));
  EXPECT_EQ(dialog.findChild<QLabel*>("labFilesFound")->text(), "1");
  EXPECT_EQ(dialog.findChild<QLabel*>("labCurrentFile")->text(), "Search Complete");
  EXPECT_NE(session_.Store().FindFileID(home_.Path("files/tree.ged")), 0);
  EXPECT_EQ(session_.Options().GetString(opt::searchdrives), home_.Path("files") + "/");
}

TEST_F(TDialogFileSearchTest, TheExclusionListIsSavedWhenTheDialogGoes) {
  {
    WFileExcludeList list(WFileExcludeList::DefaultFileName());
    list.AddFolder(home_.Path("files/old"), true);
    list.AddFile(home_.Path("files/x.ged"));
  }
  {
    TDialogFileSearch dialog(session_, Drive());
    auto* lines = dialog.findChild<QListWidget*>("lbExcluded");
    ASSERT_EQ(lines->count(), 2);
    EXPECT_EQ(lines->item(0)->text().toStdString(),
              "Path: " + home_.Path("files/old") + " (+ sub directories)");
    lines->setCurrentRow(1);
    EXPECT_FALSE(dialog.findChild<QPushButton*>("butEditExclude")->isEnabled());
    QTest::mouseClick(dialog.findChild<QPushButton*>("butRemoveExclude"), Qt::LeftButton);
    EXPECT_EQ(lines->count(), 1);
    // An entry added on the command line while the dialog is open stays.
    { WFileExcludeList(WFileExcludeList::DefaultFileName()).AddFolder(home_.Path("files/new"), true); }
    // Saved as the dialog closes, where a failure can still be told.
    dialog.reject();
    WFileExcludeList closed(WFileExcludeList::DefaultFileName());
    EXPECT_EQ(closed.Count(), 2);
  }
  WFileExcludeList saved(WFileExcludeList::DefaultFileName());
  ASSERT_EQ(saved.Count(), 2);
  EXPECT_EQ(saved.Items()[0].Path, home_.Path("files/old"));
  EXPECT_EQ(saved.Items()[1].Path, home_.Path("files/new"));
}

// A folder excluded elsewhere while the dialog is open is left out of its search.
TEST_F(TDialogFileSearchTest, ASearchLeavesOutWhatWasExcludedWhileTheDialogWasOpen) {
  home_.WriteFile("files/kept/a.ged", "0 HEAD\n0 TRLR\n");
  home_.WriteFile("files/out/b.ged", "0 HEAD\n0 TRLR\n");
  session_.Options().SetBool(opt::FirstTime, true);
  TDialogFileSearch dialog(session_, Drive());
  dialog.show();
  { WFileExcludeList(WFileExcludeList::DefaultFileName()).AddFolder(home_.Path("files/out"), true); }
  QTest::mouseClick(dialog.findChild<QPushButton*>("butSearch"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.result() == QDialog::Accepted; }, 10000));
  EXPECT_NE(session_.Store().FindFileID(home_.Path("files/kept/a.ged")), 0);
  EXPECT_EQ(session_.Store().FindFileID(home_.Path("files/out/b.ged")), 0);
  EXPECT_EQ(dialog.findChild<QListWidget*>("lbExcluded")->count(), 1);
}

TEST_F(TDialogFileSearchTest, ARefreshDropsTheRowsOfFilesGoneAndClosesByItself) {
  const std::int32_t present =
      test::AddRow(session_.Store(), home_.WriteFile("files/a.ged", "0 HEAD\n"), FileKind::kGedcom);
  const std::int32_t gone = test::AddRow(session_.Store(), home_.Path("files/b.ged"), FileKind::kGedcom);
  for (const std::vector<std::int32_t>& ids :
       {std::vector<std::int32_t>{}, std::vector<std::int32_t>{present, gone}}) {
    TDialogUpdateFileList dialog(session_.Store().BaseName(), ids);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.result() == QDialog::Accepted; }, 10000));
  }
  EXPECT_NE(session_.Store().GetFile(present), nullptr);
  EXPECT_EQ(session_.Store().FindFileID(home_.Path("files/b.ged")), 0);
}

// Cancel while the work runs: the search sweeps nothing away (a row of a file that is gone stays),
// the refresh keeps what it did and stops with most of its rows still to do.
TEST_F(TDialogFileSearchTest, CancelledSearchAndRefreshLoseNothing) {
  for (int folder = 0; folder < 300; ++folder)
    for (int file = 0; file < 10; ++file)
      home_.WriteFile("files/f" + std::to_string(folder) + "/t" + std::to_string(file) + ".ged", "0 HEAD\n");
  const std::string gone = home_.Path("files/gone.ged");
  test::AddRow(session_.Store(), gone, FileKind::kGedcom);
  session_.Options().SetBool(opt::FirstTime, true);  // no keeping of rows: a whole search would sweep
  {
    TDialogFileSearch search(session_, Drive());
    search.show();
    QTest::mouseClick(search.findChild<QPushButton*>("butSearch"), Qt::LeftButton);
    search.reject();
    ASSERT_TRUE(QTest::qWaitFor([&search] { return !search.isVisible(); }, 10000));
    EXPECT_EQ(search.result(), QDialog::Rejected);
  }
  EXPECT_NE(session_.Store().FindFileID(gone), 0);
  std::vector<std::int32_t> ids;
  for (int row = 0; row < 500; ++row)
    ids.push_back(test::AddRow(session_.Store(), home_.Path("files/x" + std::to_string(row) + ".ged"),
                               FileKind::kGedcom));
  TDialogUpdateFileList refresh(session_.Store().BaseName(), ids);
  refresh.show();
  QTimer::singleShot(0, &refresh, [&refresh] { refresh.reject(); });
  ASSERT_TRUE(QTest::qWaitFor([&refresh] { return !refresh.isVisible(); }, 10000));
  EXPECT_GT(session_.Store().CountByKind(FileKind::kGedcom), 250);
}

TEST(TDialogFileNotFoundTest, AGoneFolderDisablesItsButtonAndSearchingAgainIsTheAnswer) {
  test::ScratchFolder folder;
  TDialogFileNotFound here(folder.Path("tree.ged"));
  EXPECT_TRUE(here.findChild<QPushButton*>("butFolder")->isEnabled());
  TDialogFileNotFound gone(folder.Path("old/tree.ged"));
  auto* button = gone.findChild<QPushButton*>("butFolder");
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(button->text(), "Folder where the file was\nlocated no longer exists.");
  QTest::mouseClick(gone.findChild<QPushButton*>("butRescan"), Qt::LeftButton);
  EXPECT_EQ(gone.Result(), TDialogFileNotFound::Answer::kSearchAgain);
  EXPECT_EQ(gone.result(), QDialog::Accepted);
}

TEST_F(TDialogFileSearchTest, TheExportWritesTheListingAndCloses) {
  const std::int32_t id =
      test::AddRow(session_.Store(), home_.Path("files/a b.ged"), FileKind::kGedcom, 1234);
  TDialogReports dialog(session_.Store().BaseName(), {id}, session_.Options());
  dialog.show();
  const std::string file = home_.Path("listing.csv");
  dialog.ExportTo(QString::fromStdString(file));
  ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.result() == QDialog::Accepted; }, 10000));
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str().substr(0, 45), "Name,File Type,Size,Modified Date,Full Path\r\n");
  EXPECT_NE(text.str().find("a b.ged,Gedcom,1234,"), std::string::npos) << text.str();
}

TEST(TDialogOptionsTest, SaveStoresEveryControlWithPathsTrimmedAndCancelStoresNothing) {
  WOptions options;
  options.SetString(opt::AppGed, "/usr/bin/gramps");
  options.SetInt(opt::DateOpt, 1);
  for (const bool save : {false, true}) {
    TDialogOptions dialog(options);
    dialog.findChild<QLineEdit*>("edtGedcom")->setText("  /opt/bin/viewer  ");
    dialog.findChild<QLineEdit*>("edtPaf")->clear();
    dialog.findChild<QRadioButton*>("rgDateFormat6")->setChecked(true);
    save ? dialog.accept() : dialog.reject();
    EXPECT_EQ(options.GetString(opt::AppGed), save ? "/opt/bin/viewer" : "/usr/bin/gramps");
  }
  EXPECT_EQ(options.GetString(opt::AppPAF), "");
  EXPECT_EQ(options.GetInt(opt::DateOpt), 6);
}

// A path in an old single-byte encoding, shown with stand-ins, is kept as its bytes unless edited;
// a path that cannot be stored stores nothing, not even the controls before it.
TEST(TDialogOptionsTest, PathsKeepTheirBytesAndOneThatCannotBeStoredStoresNothing) {
  test::MessageBoxCloser closer(QMessageBox::Ok);
  WOptions options;
  const std::string latin = "/opt/M\xFCller/viewer";
  options.SetString(opt::AppGed, latin);
  options.SetInt(opt::FontZoom, 8);
  TDialogOptions dialog(options);
  dialog.findChild<QLineEdit*>("edtPaf")->setText("/opt/paf\nviewer");
  dialog.findChild<QSpinBox*>("spnFontZoom")->setValue(12);
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
  EXPECT_TRUE(closer.WaitForNext());
  EXPECT_EQ(options.GetInt(opt::FontZoom), 8);
  dialog.findChild<QLineEdit*>("edtPaf")->setText("/opt/paf");
  dialog.accept();
  EXPECT_EQ(options.GetString(opt::AppGed), latin);
  EXPECT_EQ(options.GetString(opt::AppPAF), "/opt/paf");
  EXPECT_EQ(options.GetInt(opt::FontZoom), 12);
}

}  // namespace
}  // namespace kinshelf
