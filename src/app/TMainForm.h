// The main window: the catalog grid over the session's store, the side panel with its filters, the
// selected file and its actions, and the toolbar. It keeps the listing's order in the settings
// (FileColumn, FCAtoZ) and the filter boxes (the display settings, filterBM); the work itself is
// done by the core (the store's listing, bookmarks, the programs). Main thread only.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalog/store/ListingFilter.h"

class QAction;
class QStackedWidget;
class QTableView;
class QTimer;

namespace kinshelf {

class CatalogModel;
class CatalogSession;
class FilterPanel;
class SelectedFilePanel;
class TDetailsView;
class WFileStoreFile;

class TMainForm final : public QMainWindow {
  Q_OBJECT

 public:
  // The window over the session's catalog and settings; the session must outlive it.
  explicit TMainForm(CatalogSession& session, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Lists the catalog anew and keeps the position as the listing rules say: the remembered row when
  // it is still there (one less after a deletion), else the last row, else the first.
  void Rebuild(bool afterDeletion = false);
  // What the start of the program does once the window shows: the refresh of the listing when
  // AutoUpdate is on, and on the first run the welcome that offers the first search.
  void StartUp();
  const CatalogModel& Model() const { return *model_; }
  // The details view in place of the list, reading `path`; and the list again, the file closed.
  void ShowDetails(const std::string& path);
  void ShowList();
  TDetailsView& Details() const { return *details_; }

 private:
  // Runs an action's work, showing an error it throws.
  void Guarded(const std::function<void()>& work);
  QAction* MakeAction(const QString& text, const char* name, const QKeySequence& keys,
                      void (TMainForm::*run)());
  void BuildActions();
  void BuildMenus();
  void BuildSidePanel();
  void BuildGrid();
  void BuildLayout();
  QWidget* BuildFilesPage();
  void ToggleDetails();
  void HeaderPressed(int section);
  void RowSelected();
  void FollowShownFile(const std::string& path);
  void UpdateActions();
  void ToggleBookmark();
  void ExcludeFile();
  void OpenFolder();
  void OpenFile();
  void ViewWithPedora();
  void SearchComputer();
  void RefreshCatalog();
  void ExportListing();
  void EditOptions();
  void Welcome();
  void ShowAbout();
  void CheckForUpdate();
  void StartBlinking();
  void Blink();
  void GoToUpdate();
  void ApplyListFont(int size);
  void ApplySideFont(int size);
  void FitColumns();
  int SelectedRow() const;
  void SelectRow(int row, int topRow);

  CatalogSession& session_;
  CatalogModel* model_;
  QTableView* grid_;
  QStackedWidget* files_ = nullptr;
  TDetailsView* details_ = nullptr;
  QAction* detailsAction_ = nullptr;
  FilterPanel* filters_;
  SelectedFilePanel* selected_;
  QWidget* side_;
  QAction* openFolder_;
  QAction* openFile_;
  QAction* viewer_;
  QAction* bookmark_;
  QAction* exclude_;
  QAction* updateAvailable_;
  QTimer* blink_;
  int blinkCount_ = 1;
  ListingFilter sorting_;  // the sorted column and direction; the panel gives the rest
  std::unique_ptr<WFileStoreFile> selection_;
  bool selectionExists_ = false;
  int listFontSize_ = 0;
  int sideFontSize_ = 0;
};

}  // namespace kinshelf
