// The "Search Computer" dialog.
#include "app/TDialogFileSearch.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <algorithm>
#include <array>

#include "app/SearchRunner.h"
#include "app/TDialogSelectFolder.h"
#include "catalog/CatalogSearch.h"
#include "catalog/CatalogSession.h"
#include "catalog/exclusions/ExcludeChoice.h"
#include "settings/WOptions.h"
#include "text/CountFormat.h"
#include "ui_TDialogFileSearch.h"

namespace kinshelf {

namespace {

QString Count(qint64 value) {
  return QString::fromStdString(FormatCount(value));
}

}  // namespace

TDialogFileSearch::TDialogFileSearch(CatalogSession& session, const std::vector<platform::Drive>& drives,
                                     QWidget* parent)
    : QDialog(parent),
      session_(session),
      ui_(std::make_unique<Ui::TDialogFileSearch>()),
      drives_(SearchDriveLines(drives, session.Options().GetString(opt::searchdrives),
                               session.Options().GetBool(opt::FirstTime))),
      exclusions_(WFileExcludeList::DefaultFileName()) {
  ui_->setupUi(this);
  // The folder being searched is shown as it is, never taken for markup.
  ui_->labCurrentFile->setTextFormat(Qt::PlainText);
  exclusions_.Load();
  for (const SearchDrive& drive : drives_) {
    auto* item = new QListWidgetItem(QString::fromStdString(drive.line), ui_->chkListDrives);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(drive.checked ? Qt::Checked : Qt::Unchecked);
  }
  FillExclusions();
  // The standing choices of the settings set the kind boxes and the keep box.
  const CatalogSearch::Choices defaults = CatalogSearch::StandingChoices(session_.Options());
  const std::array<QCheckBox*, kFileKinds.size()> boxes = KindBoxes();
  for (std::size_t i = 0; i < kFileKinds.size(); ++i)
    boxes[i]->setChecked(defaults.kinds[kFileKinds[i].kind]);
  ui_->chkKeepFiles->setChecked(defaults.keepExisting);
  connect(ui_->chkListDrives, &QListWidget::itemChanged, this, &TDialogFileSearch::UpdateButtons);
  connect(ui_->lbExcluded, &QListWidget::currentRowChanged, this, &TDialogFileSearch::UpdateButtons);
  connect(ui_->butSearch, &QPushButton::clicked, this, &TDialogFileSearch::Search);
  connect(ui_->butCancel, &QPushButton::clicked, this, &TDialogFileSearch::reject);
  connect(ui_->butAddExclude, &QPushButton::clicked, this, &TDialogFileSearch::AddExclusion);
  connect(ui_->butEditExclude, &QPushButton::clicked, this, &TDialogFileSearch::EditExclusion);
  connect(ui_->butRemoveExclude, &QPushButton::clicked, this, &TDialogFileSearch::RemoveExclusion);
  connect(ui_->butRemoveAllExclude, &QPushButton::clicked, this, &TDialogFileSearch::RemoveAllExclusions);
  UpdateButtons();
  ui_->butSearch->setFocus();
  // Wide enough for the drive lines and the excluded paths, which are long on Linux.
  resize(std::max(sizeHint().width(), 960), sizeHint().height());
}

TDialogFileSearch::~TDialogFileSearch() = default;

std::array<QCheckBox*, kFileKinds.size()> TDialogFileSearch::KindBoxes() const {
  return {ui_->chkLegacy, ui_->chkRM,  ui_->chkPAF, ui_->chkGEDCOM, ui_->chkFTM,
          ui_->chkAQ,     ui_->chkHFT, ui_->chkTMG, ui_->chkGENBox};
}

void TDialogFileSearch::FillExclusions() {
  ui_->lbExcluded->clear();
  for (const WFileExcludeItem& item : exclusions_.Items())
    ui_->lbExcluded->addItem(QString::fromStdString(ExcludeEntryLine(item)));
  UpdateButtons();
}

int TDialogFileSearch::SelectedExclusion() const {
  return ui_->lbExcluded->currentRow() + 1;
}

std::vector<std::string> TDialogFileSearch::CheckedRoots() const {
  std::vector<std::string> roots;
  for (int row = 0; row < ui_->chkListDrives->count(); ++row) {
    if (ui_->chkListDrives->item(row)->checkState() == Qt::Checked)
      roots.push_back(drives_[static_cast<std::size_t>(row)].root);
  }
  return roots;
}

// The search button reads "Select a Drive" until a drive is checked; the exclusion buttons follow
// the selection, and nothing can be changed while a search runs.
void TDialogFileSearch::UpdateButtons() {
  const bool anyDrive = !CheckedRoots().empty();
  ui_->butSearch->setEnabled(anyDrive && !searching_);
  ui_->butSearch->setText(anyDrive ? tr("Search Computer") : tr("Select a Drive"));
  const WFileExcludeItem* selected =
      SelectedExclusion() >= 1 ? &exclusions_.Items()[static_cast<std::size_t>(SelectedExclusion() - 1)]
                               : nullptr;
  ui_->butAddExclude->setEnabled(!searching_);
  ui_->butEditExclude->setEnabled(!searching_ && selected != nullptr && selected->IsPath);
  ui_->butRemoveExclude->setEnabled(!searching_ && selected != nullptr);
  ui_->butRemoveAllExclude->setEnabled(!searching_);
}

void TDialogFileSearch::SetChoicesEnabled(bool enabled) {
  ui_->chkListDrives->setEnabled(enabled);
  ui_->lbExcluded->setEnabled(enabled);
  for (QCheckBox* box : KindBoxes()) box->setEnabled(enabled);
  ui_->chkKeepFiles->setEnabled(enabled);
  UpdateButtons();
}

void TDialogFileSearch::Search() {
  SearchRunner::Choices choices;
  choices.roots = CheckedRoots();
  if (choices.roots.empty() || searching_) return;
  const std::array<QCheckBox*, kFileKinds.size()> boxes = KindBoxes();
  for (std::size_t i = 0; i < kFileKinds.size(); ++i)
    choices.kinds[kFileKinds[i].kind] = boxes[i]->isChecked();
  choices.keepExisting = ui_->chkKeepFiles->isChecked();
  if (!UpdateExclusions()) return;
  CatalogSearch::SaveChoices(session_.Options(), choices);
  searching_ = true;
  SetChoicesEnabled(false);
  ui_->labFilesFound->setText(Count(0));
  ui_->labFilesProcessed->setText(Count(0));
  runner_ = std::make_unique<SearchRunner>(session_.Store().BaseName(), session_.Options(), exclusions_);
  connect(runner_.get(), &SearchRunner::Progress, this, &TDialogFileSearch::ShowProgress);
  connect(runner_.get(), &SearchRunner::Finished, this, &TDialogFileSearch::SearchFinished);
  runner_->Start(std::move(choices));
}

void TDialogFileSearch::ShowProgress(qint64 found, qint64 processed, const QString& folder) {
  ui_->labFilesFound->setText(Count(found));
  ui_->labFilesProcessed->setText(Count(processed));
  ui_->labCurrentFile->setText(folder);
}

void TDialogFileSearch::SearchFinished(qint64 found, qint64 processed, bool cancelled, const QString& error) {
  searching_ = false;
  ShowProgress(found, processed, tr("Search Complete"));
  SetChoicesEnabled(true);
  if (!error.isEmpty()) QMessageBox::warning(this, windowTitle(), error);
  if (cancelled) {
    QDialog::reject();
  } else {
    accept();
  }
}

void TDialogFileSearch::done(int result) {
  SaveExclusions();
  QDialog::done(result);
}

// The list goes back to its file as the dialog closes, whether the user searched or not, under the
// lock its other editors take; a save that fails is told, where the list's own last save would drop
// it.
void TDialogFileSearch::SaveExclusions() {
  if (!exclusions_.Changed()) return;
  try {
    const auto editing = WFileExcludeList::LockForEditing(exclusions_.FileName());
    exclusions_.Save();
  } catch (const std::exception& error) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
  }
}

// A search leaves out what the file lists as it starts, entries added elsewhere while the dialog was
// open included: the dialog's edits are saved onto the file's, or the file is read again.
bool TDialogFileSearch::UpdateExclusions() {
  try {
    const auto editing = WFileExcludeList::LockForEditing(exclusions_.FileName());
    // A list deleted while the window ran is made again, as at the window's start.
    WFileExcludeList::EnsureFileExists(exclusions_.FileName());
    if (exclusions_.Changed()) {
      exclusions_.Save();
    } else {
      exclusions_.Load();
    }
  } catch (const std::exception& error) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
    return false;
  }
  FillExclusions();
  return true;
}

void TDialogFileSearch::reject() {
  if (searching_) {
    runner_->Cancel();
    return;
  }
  QDialog::reject();
}

void TDialogFileSearch::AddExclusion() {
  TDialogSelectFolder picker(this);
  if (picker.exec() != QDialog::Accepted) return;
  exclusions_.AddFolder(picker.Folder(), picker.IncludeSubfolders());
  FillExclusions();
}

// The entry is taken for editing only once the edit is confirmed: a cancelled edit changes nothing.
void TDialogFileSearch::EditExclusion() {
  const int selected = SelectedExclusion();
  if (selected < 1 || selected > exclusions_.Count()) return;
  const WFileExcludeItem& shown = exclusions_.Items()[static_cast<std::size_t>(selected - 1)];
  if (!shown.IsPath) return;
  TDialogSelectFolder picker(this);
  picker.Preset(shown.Path, shown.Sub);
  if (picker.exec() != QDialog::Accepted) return;
  WFileExcludeItem* item = exclusions_.Item(selected);
  item->Path = picker.Folder();
  item->Sub = picker.IncludeSubfolders();
  FillExclusions();
}

void TDialogFileSearch::RemoveExclusion() {
  if (SelectedExclusion() < 1) return;
  exclusions_.Remove(SelectedExclusion());
  FillExclusions();
}

void TDialogFileSearch::RemoveAllExclusions() {
  exclusions_.Clear();
  FillExclusions();
}

}  // namespace kinshelf
