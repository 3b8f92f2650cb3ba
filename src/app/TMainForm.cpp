// The main window.
#include "app/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/CatalogColumnWidths.h"
#include "app/CatalogDelegate.h"
#include "app/CatalogHeader.h"
#include "app/CatalogModel.h"
#include "app/FilterPanel.h"
#include "app/SelectedFilePanel.h"
#include "app/TDetailsView.h"
#include "app/TDialogFileExclude.h"
#include "app/TDialogFileNotFound.h"
#include "app/TDialogFileSearch.h"
#include "app/TDialogOptions.h"
#include "app/TDialogReports.h"
#include "app/TDialogUpdateFileList.h"
#include "app/WCheckTipsNews.h"
#include "catalog/CatalogExclusion.h"
#include "catalog/CatalogSession.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/programs/ProgramAssociations.h"
#include "catalog/store/WFileStoreFile.h"
#include "platform/Drives.h"
#include "platform/FileInfo.h"
#include "settings/WOptions.h"
#include "widgets/BusyCursor.h"
#include "widgets/ScreenScale.h"

namespace kinshelf {

namespace {

constexpr int kSidePanelBaseWidth = 213;

ListingFilter SortingOf(const WOptions& options) {
  ListingFilter sorting;
  const int column = options.GetInt(opt::FileColumn);
  sorting.sortColumn =
      static_cast<ListingColumn>(column >= 1 && column <= CatalogModel::kColumnCount ? column : 1);
  sorting.ascending = options.GetBool(opt::FCAtoZ);
  return sorting;
}

}  // namespace

TMainForm::TMainForm(CatalogSession& session, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      model_(new CatalogModel(session.Store(), session.Options(), this)),
      grid_(new QTableView(this)),
      sorting_(SortingOf(session.Options())) {
  setObjectName("mainForm");
  setWindowTitle(QStringLiteral("Orrinvale Kinshelf 1.02"));
  BuildActions();
  BuildLayout();
  filters_->LoadSettings();
  ApplySideFont(session_.Options().GetInt(opt::SideFontZoom));
  ApplyListFont(session_.Options().GetInt(opt::FontZoom));
  Rebuild();
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::MakeAction(const QString& text, const char* name, const QKeySequence& keys,
                               void (TMainForm::*run)()) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  action->setShortcut(keys);
  connect(action, &QAction::triggered, this, [this, run] { Guarded([this, run] { (this->*run)(); }); });
  return action;
}

// An action's work that fails (a catalog another process holds, a list that cannot be read or
// saved) is shown, and the window goes on. Caught here, the error never unwinds through the
// toolkit's own calls, which are not made to pass it.
void TMainForm::Guarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& error) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
  }
}

void TMainForm::BuildActions() {
  openFolder_ = MakeAction(tr("Open to file's folder "), "actLeftSideOpenFolder", {}, &TMainForm::OpenFolder);
  viewer_ = MakeAction(tr("View with Pedora"), "actLeftSidePedora", {}, &TMainForm::ViewWithPedora);
  openFile_ = MakeAction(tr("Open file"), "actLeftSideOpenWith", Qt::CTRL | Qt::Key_O, &TMainForm::OpenFile);
  bookmark_ =
      MakeAction(tr("BookMark"), "actLeftSideBookMark", Qt::CTRL | Qt::Key_B, &TMainForm::ToggleBookmark);
  exclude_ =
      MakeAction(tr("Exclude file from list"), "actLeftSideExclude", Qt::Key_Delete, &TMainForm::ExcludeFile);
  detailsAction_ = MakeAction(tr("File Details"), "actFileViewFileDetails", Qt::CTRL | Qt::Key_D,
                              &TMainForm::ToggleDetails);
  detailsAction_->setCheckable(true);
  detailsAction_->setToolTip(tr("Show the selected file's header, individuals and families (Ctrl+D)"));
  updateAvailable_ = MakeAction(tr("Update Available"), "butTopNewUpdate", {}, &TMainForm::GoToUpdate);
  updateAvailable_->setVisible(false);
  blink_ = new QTimer(this);
  blink_->setInterval(300);
  connect(blink_, &QTimer::timeout, this, &TMainForm::Blink);
}

// The catalog's commands in the File menu and on the toolbar, the selected file's in the File menu.
void TMainForm::BuildMenus() {
  QAction* search = MakeAction(tr("Search Computer"), "actSearchDrives", Qt::CTRL | Qt::SHIFT | Qt::Key_S,
                               &TMainForm::SearchComputer);
  QAction* refresh =
      MakeAction(tr("Refresh Catalog"), "actRefresh", QKeySequence::Refresh, &TMainForm::RefreshCatalog);
  QAction* exportCsv =
      MakeAction(tr("Export"), "actReports", Qt::CTRL | Qt::Key_E, &TMainForm::ExportListing);
  QAction* options =
      MakeAction(tr("Options"), "actOptions", Qt::CTRL | Qt::Key_Comma, &TMainForm::EditOptions);
  QAction* about = MakeAction(tr("About"), "actAbout", QKeySequence::HelpContents, &TMainForm::ShowAbout);
  auto* findName = new QAction(tr("Filter by name"), this);
  findName->setShortcut(QKeySequence::Find);
  connect(findName, &QAction::triggered, filters_, &FilterPanel::FocusNameFilter);
  auto* quit = new QAction(tr("Quit"), this);
  quit->setShortcut(QKeySequence::Quit);
  connect(quit, &QAction::triggered, this, &QWidget::close);

  QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
  fileMenu->addActions({search, refresh, exportCsv});
  fileMenu->addSeparator();
  fileMenu->addActions(
      {options, openFile_, viewer_, detailsAction_, openFolder_, bookmark_, exclude_, findName});
  fileMenu->addSeparator();
  fileMenu->addAction(quit);
  menuBar()->addMenu(tr("&Help"))->addAction(about);

  QToolBar* toolbar = addToolBar(tr("Main"));
  toolbar->setObjectName("toolbar");
  toolbar->setMovable(false);
  toolbar->addActions({search, refresh, exportCsv, detailsAction_, options, about, updateAvailable_});
  QFont loud = toolbar->font();
  loud.setBold(true);
  toolbar->widgetForAction(updateAvailable_)->setFont(loud);
}

void TMainForm::BuildSidePanel() {
  side_ = new QWidget(this);
  side_->setObjectName("sidePanel");
  auto* sideLayout = new QVBoxLayout(side_);
  filters_ = new FilterPanel(session_.Options(), side_);
  selected_ = new SelectedFilePanel(session_.Options(),
                                    {openFolder_, viewer_, openFile_, bookmark_, exclude_}, side_);
  sideLayout->addWidget(filters_);
  sideLayout->addWidget(selected_);
  sideLayout->addStretch();
  connect(filters_, &FilterPanel::FilterChanged, this, [this] { Guarded([this] { Rebuild(); }); });
}

void TMainForm::BuildGrid() {
  grid_->setObjectName("grdFiles");
  grid_->setModel(model_);
  auto* header = new CatalogHeader(*model_, grid_);
  grid_->setHorizontalHeader(header);
  grid_->setItemDelegate(new CatalogDelegate(*model_, grid_));
  grid_->verticalHeader()->hide();
  grid_->setShowGrid(false);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  header->setStretchLastSection(true);
  connect(header, &QHeaderView::sectionPressed, this,
          [this](int section) { Guarded([this, section] { HeaderPressed(section); }); });
  connect(grid_, &QTableView::activated, this, [this] { Guarded([this] { OpenFile(); }); });
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { Guarded([this] { RowSelected(); }); });
}

void TMainForm::BuildLayout() {
  BuildSidePanel();
  BuildMenus();
  BuildGrid();
  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(side_);
  layout->addWidget(BuildFilesPage(), 1);
  setCentralWidget(central);
  // Most of the screen: the grid's columns are wide.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize available = screen != nullptr ? screen->availableSize() : QSize(1280, 800);
  resize(std::max(900, available.width() * 9 / 10), std::max(600, available.height() * 9 / 10));
}

// The Files page: the list, or in its place the details view of the selected file.
QWidget* TMainForm::BuildFilesPage() {
  files_ = new QStackedWidget(this);
  details_ = new TDetailsView(session_.Options(), files_);
  files_->addWidget(grid_);
  files_->addWidget(details_);
  connect(details_, &TDetailsView::CaptionChanged, this, [this](const QString& caption) {
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Orrinvale Kinshelf 1.02") : caption);
  });
  return files_;
}

void TMainForm::ToggleDetails() {
  if (files_->currentWidget() == details_) {
    ShowList();
  } else if (selection_ != nullptr) {
    ShowDetails(selection_->FullPath());
  } else {
    detailsAction_->setChecked(false);
  }
}

void TMainForm::ShowDetails(const std::string& path) {
  files_->setCurrentWidget(details_);
  detailsAction_->setChecked(true);
  details_->setFocus();
  FollowShownFile(path);
  details_->Open(path);
}

// While the details show a file, the side panel and its actions are that file's, or no file's:
// its row is selected when it is listed, and otherwise none is.
void TMainForm::FollowShownFile(const std::string& path) {
  const std::int32_t id = path.empty() ? 0 : session_.Store().FindFileID(path);
  const std::vector<std::int32_t> ids = model_->ListedIds();
  const auto listed = std::find(ids.begin(), ids.end(), id);
  if (id != 0 && listed != ids.end()) {
    const int row = static_cast<int>(listed - ids.begin());
    SelectRow(row, row);
    RowSelected();
    return;
  }
  selection_.reset();
  selectionExists_ = false;
  selected_->Show(nullptr);
  UpdateActions();
}

// Back to the list: the file read for the details is freed.
void TMainForm::ShowList() {
  details_->Close();
  files_->setCurrentWidget(grid_);
  detailsAction_->setChecked(false);
  setWindowTitle(QStringLiteral("Orrinvale Kinshelf 1.02"));
  grid_->setFocus();
  RowSelected();
}

int TMainForm::SelectedRow() const {
  const QModelIndex current = grid_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void TMainForm::SelectRow(int row, int topRow) {
  grid_->setCurrentIndex(model_->index(row, 0));
  grid_->selectRow(row);
  grid_->verticalScrollBar()->setValue(topRow);
}

void TMainForm::Rebuild(bool afterDeletion) {
  const int remembered = SelectedRow() - (afterDeletion ? 1 : 0);
  const int oldTop = grid_->verticalScrollBar()->value();
  {
    BusyCursor busy;
    model_->SetListing(filters_->Filter(sorting_));
  }
  filters_->ShowCounts(model_->ListedCount(), session_.Store());
  const int last = model_->rowCount() - 1;
  if (remembered > 0 && remembered > last) {
    SelectRow(last, std::min(oldTop, last));
  } else if (remembered > 0) {
    SelectRow(remembered, remembered > oldTop ? remembered - 1 : oldTop);
  } else {
    SelectRow(0, 0);
  }
  FitColumns();
  if (files_->currentWidget() == details_) {
    FollowShownFile(details_->Path());
  } else {
    RowSelected();
  }
}

// The sorted column turns its direction around; another column becomes the sorted one, ascending.
void TMainForm::HeaderPressed(int section) {
  const auto column = static_cast<ListingColumn>(section + 1);
  if (sorting_.sortColumn == column) {
    sorting_.ascending = !sorting_.ascending;
  } else {
    sorting_.sortColumn = column;
    sorting_.ascending = true;
  }
  Rebuild();
  WOptions& options = session_.Options();
  options.SetInt(opt::FileColumn, static_cast<int>(sorting_.sortColumn));
  options.SetBool(opt::FCAtoZ, sorting_.ascending);
  options.Save();
}

void TMainForm::RowSelected() {
  const std::int32_t id = model_->FileIdAt(SelectedRow());
  selection_ = id != 0 ? session_.Store().GetFile(id) : nullptr;
  selectionExists_ = selection_ != nullptr && platform::FileExists(selection_->FullPath());
  selected_->Show(selection_.get());
  UpdateActions();
}

void TMainForm::UpdateActions() {
  const bool selected = selection_ != nullptr;
  openFolder_->setEnabled(selected && !(selection_->Drive() + selection_->Path()).empty());
  exclude_->setEnabled(openFolder_->isEnabled());
  const std::string pedora = session_.Options().GetString(opt::AppPedora);
  if (selected) {
    viewer_->setEnabled(
        PedoraEnabled(pedora, selectionExists_, selection_->Kind(), selection_->Ext(), viewer_->isEnabled()));
  } else {
    // With no file, the button only offers the viewer's web page, and only when it is not installed.
    viewer_->setEnabled(pedora.empty());
  }
  bookmark_->setEnabled(selected);
  bookmark_->setText(!selected                ? tr("BookMark")
                     : selection_->Bookmark() ? tr("Unbookmark file")
                                              : tr("Bookmark file"));
  if (!selected || selection_->FullPath().empty()) {
    openFile_->setEnabled(false);
    openFile_->setText(tr("Open file"));
  } else if (!selectionExists_) {
    openFile_->setEnabled(true);
    openFile_->setText(tr("File not found"));
  } else {
    const int setting = ProgramSettingForKind(selection_->Kind());
    const bool program =
        setting >= 0 && !session_.Options().GetString(static_cast<opt::Catalog>(setting)).empty();
    openFile_->setEnabled(program);
    openFile_->setText(program ? tr("Open file with ") +
                                     QString::fromStdString(ProgramNameForKind(selection_->Kind()))
                               : tr("Open file"));
  }
  selected_->MarkWarning(openFile_, selected && !selectionExists_);
}

void TMainForm::ToggleBookmark() {
  if (selection_ == nullptr) return;
  auto file = session_.Store().GetFile(selection_->FileID());
  // Another process (a search, an exclusion) may have removed the row since it was listed.
  if (file->Name().empty()) {
    QMessageBox::warning(
        this, windowTitle(),
        tr("%1 is no longer in the catalog.").arg(QString::fromStdString(selection_->FullPath())));
    Rebuild();
    return;
  }
  file->SetBookmark(!file->Bookmark());
  file->SaveToStore();
  selection_->SetBookmark(file->Bookmark());
  model_->Refresh();
  FitColumns();
  UpdateActions();
}

// The file alone, or its folder with everything below it, leaves the catalog and goes on the
// exclusion list; the selection moves to the row above the deleted one.
void TMainForm::ExcludeFile() {
  if (selection_ == nullptr) return;
  TDialogFileExclude dialog(selection_->FullPath(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::string chosen = dialog.Chosen();
  // "/" is every mounted drive here, where a drive letter's root was one drive: asked again.
  if (chosen == "/" &&
      QMessageBox::question(this, windowTitle(),
                            tr("This leaves every file on every drive out of the catalog, and later searches "
                               "find nothing. Do you want to go on?"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
    return;
  {
    const auto editing = WFileExcludeList::LockForEditing(WFileExcludeList::DefaultFileName());
    WFileExcludeList list(WFileExcludeList::DefaultFileName());
    if (chosen == selection_->FullPath()) {
      ExcludeFileFromCatalog(session_.Store(), list, chosen, selection_->FileID());
    } else {
      ExcludeFolderFromCatalog(session_.Store(), list, chosen);
    }
  }
  Rebuild(true);
}

void TMainForm::OpenFolder() {
  if (selection_ == nullptr) return;
  const std::string folder = selection_->Drive() + selection_->Path();
  if (!kinshelf::OpenFolder(folder))
    QMessageBox::warning(this, windowTitle(),
                         tr("The folder %1 could not be opened.").arg(QString::fromStdString(folder)));
}

// Without the viewer, the user may go to its web page instead.
void TMainForm::ViewWithPedora() {
  const std::string viewer = session_.Options().GetString(opt::AppPedora);
  if (!viewer.empty()) {
    if (selection_ == nullptr) return;
    if (!LaunchProgram(viewer, selection_->FullPath()))
      QMessageBox::warning(this, windowTitle(),
                           tr("%1 could not be started.").arg(QString::fromStdString(viewer)));
    return;
  }
  const auto answer = QMessageBox::question(
      this, QStringLiteral("Orrinvale Kinshelf"),
      tr("Pedora is not installed on your computer.\nThis program allows you to view different genealogy "
         "files.\nDo you want to go to the Pedora website?"),
      QMessageBox::Yes | QMessageBox::No);
  if (answer == QMessageBox::Yes)
    QDesktopServices::openUrl(
        QUrl(QString::fromUtf8(kPedoraWebPage.data(), static_cast<qsizetype>(kPedoraWebPage.size()))));
}

void TMainForm::OpenFile() {
  if (selection_ == nullptr || !openFile_->isEnabled()) return;
  const QString path = QString::fromStdString(selection_->FullPath());
  if (!selectionExists_) {
    TDialogFileNotFound dialog(selection_->FullPath(), this);
    dialog.exec();
    if (dialog.Result() == TDialogFileNotFound::Answer::kOpenFolder) OpenFolder();
    if (dialog.Result() == TDialogFileNotFound::Answer::kSearchAgain) SearchComputer();
    return;
  }
  const int setting = ProgramSettingForKind(selection_->Kind());
  const std::string program =
      setting >= 0 ? session_.Options().GetString(static_cast<opt::Catalog>(setting)) : "";
  if (!program.empty() && !LaunchProgram(program, selection_->FullPath()))
    QMessageBox::warning(this, windowTitle(),
                         tr("%1 could not be started on %2.").arg(QString::fromStdString(program), path));
}

void TMainForm::SearchComputer() {
  TDialogFileSearch dialog(session_, platform::ListDrives(), this);
  dialog.exec();
  Rebuild();
}

void TMainForm::RefreshCatalog() {
  TDialogUpdateFileList dialog(session_.Store().BaseName(), model_->ListedIds(), this);
  dialog.exec();
  Rebuild();
}

void TMainForm::ExportListing() {
  TDialogReports dialog(session_.Store().BaseName(), model_->ListedIds(), session_.Options(), this);
  dialog.exec();
}

void TMainForm::StartUp() {
  if (session_.Options().GetBool(opt::AutoUpdate)) RefreshCatalog();
  if (session_.Options().GetBool(opt::FirstTime)) QTimer::singleShot(100, this, &TMainForm::Welcome);
  CheckForUpdate();
}

// The news address may be changed or emptied (no check at all) in the settings file.
void TMainForm::CheckForUpdate() {
  const std::string settingsFile = session_.Options().Path();
  const std::string address =
      session_.Options().ReadUnlisted("General", WCheckTipsNews::kAddressKey, WCheckTipsNews::kNewsAddress);
  if (settingsFile.empty() || address.empty()) return;
  const QString folder = QFileInfo(QString::fromStdString(settingsFile)).absolutePath();
  WCheckTipsNews::Start(QUrl(QString::fromStdString(address)), folder + "/" + WCheckTipsNews::kLocalName, this,
                        [this] { StartBlinking(); });
}

void TMainForm::StartBlinking() {
  blink_->start();
}

// Shown on the first, third and fifth tick, hidden on the second and fourth; the sixth stops the
// blinking with the button shown.
void TMainForm::Blink() {
  const int count = blinkCount_++;
  if (count >= 6) {
    blink_->stop();
    return;
  }
  updateAvailable_->setVisible(count % 2 == 1);
}

// The update page opens in the browser, and the program ends so that the new version can replace it.
void TMainForm::GoToUpdate() {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(WCheckTipsNews::kUpdatePage)));
  close();
}

// The first run offers to search the computer at once; either way it is no longer the first.
void TMainForm::Welcome() {
  QMessageBox welcome(QMessageBox::Information, tr("Welcome to Kinshelf"), tr("Welcome to Kinshelf"),
                      QMessageBox::NoButton, this);
  welcome.setInformativeText(
      tr("Kinshelf keeps a catalog of the genealogy files on your computer. Search your drives now to fill "
         "it?"));
  QPushButton* scan = welcome.addButton(tr("Scan my computer"), QMessageBox::AcceptRole);
  welcome.addButton(QMessageBox::Close);
  welcome.setObjectName("welcome");
  welcome.exec();
  session_.Options().SetBool(opt::FirstTime, false);
  if (welcome.clickedButton() == scan) SearchComputer();
}

// The settings reach the disk when the program ends; the window shows their effect at once.
void TMainForm::EditOptions() {
  TDialogOptions dialog(session_.Options(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  ApplySideFont(session_.Options().GetInt(opt::SideFontZoom));
  ApplyListFont(session_.Options().GetInt(opt::FontZoom));
  model_->Refresh();
  FitColumns();
  RowSelected();
}

void TMainForm::ShowAbout() {
  QMessageBox::about(
      this, tr("About Kinshelf"),
      tr("Orrinvale Kinshelf 1.02\n\nKinshelf allows you to manage all of your genealogy files on "
         "your computer."));
}

// Sizes the settings don't allow, or the size already in force, change nothing.
void TMainForm::ApplyListFont(int size) {
  if (size < 8 || size > 16 || size == listFontSize_) return;
  listFontSize_ = size;
  QFont font = grid_->font();
  font.setPointSize(size);
  grid_->setFont(font);
  grid_->horizontalHeader()->setFont(font);
  const int rowHeight = static_cast<int>(std::lround(ScaleFactor() * (size + 10 + size / 8.0)));
  grid_->verticalHeader()->setDefaultSectionSize(std::max(rowHeight, QFontMetrics(font).height() + 4));
  FitColumns();
  session_.Options().SetInt(opt::FontZoom, size);
}

void TMainForm::ApplySideFont(int size) {
  if (size < 8 || size > 10 || size == sideFontSize_) return;
  sideFontSize_ = size;
  QFont font = side_->font();
  font.setPointSize(size);
  side_->setFont(font);
  const auto extra = std::lround(std::lround((size / 8.0 - 1) * 100) * ScaleFactor());
  // The width the settings give, or more where this system's fonts need it.
  side_->setFixedWidth(std::max(static_cast<int>(extra) + kSidePanelBaseWidth, side_->sizeHint().width()));
  session_.Options().SetInt(opt::SideFontZoom, size);
}

// Every column as wide as its widest text over the whole listing.
void TMainForm::FitColumns() {
  const auto widths =
      CatalogColumnWidths::Measure(session_.Store(), model_->Filter(), session_.Options(), grid_->font());
  for (int column = 0; column < CatalogModel::kColumnCount; ++column)
    grid_->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
}

}  // namespace kinshelf
