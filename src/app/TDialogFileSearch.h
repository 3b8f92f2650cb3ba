// The "Search Computer" dialog: the drives to search, the exclusion list to edit, the kinds to look
// for and whether to keep the rows of files not found again; then the search itself on a thread of
// its own (SearchRunner) with its counters shown as it goes, and the dialog closing when it ends.
// Cancel during a search stops it and keeps everything (nothing is swept); Cancel before one closes
// the dialog. The exclusion list is saved when the dialog goes, searched or not.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "catalog/FileKinds.h"
#include "catalog/SearchDrives.h"
#include "catalog/exclusions/WFileExcludeList.h"

class QCheckBox;

namespace Ui {
class TDialogFileSearch;
}

namespace kinshelf {

class CatalogSession;
class SearchRunner;

class TDialogFileSearch final : public QDialog {
  Q_OBJECT

 public:
  // Offers `drives` (the computer's, as platform::ListDrives gives them); the session must outlive
  // the dialog.
  TDialogFileSearch(CatalogSession& session, const std::vector<platform::Drive>& drives,
                    QWidget* parent = nullptr);
  ~TDialogFileSearch() override;

  bool Searching() const { return searching_; }
  void reject() override;
  // Saves the exclusion list when it was changed, then closes.
  void done(int result) override;

 private:
  void FillExclusions();
  void UpdateButtons();
  void Search();
  void ShowProgress(qint64 found, qint64 processed, const QString& folder);
  void SearchFinished(qint64 found, qint64 processed, bool cancelled, const QString& error);
  void SetChoicesEnabled(bool enabled);
  void AddExclusion();
  void EditExclusion();
  void RemoveExclusion();
  void RemoveAllExclusions();
  void SaveExclusions();
  bool UpdateExclusions();
  int SelectedExclusion() const;
  std::vector<std::string> CheckedRoots() const;
  std::array<QCheckBox*, kFileKinds.size()> KindBoxes() const;

  CatalogSession& session_;
  std::unique_ptr<Ui::TDialogFileSearch> ui_;
  std::vector<SearchDrive> drives_;
  WFileExcludeList exclusions_;
  std::unique_ptr<SearchRunner> runner_;
  bool searching_ = false;
};

}  // namespace kinshelf
