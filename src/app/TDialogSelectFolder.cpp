// The folder picker of the exclusion list.
#include "app/TDialogSelectFolder.h"

#include <QFileDialog>
#include <QMessageBox>

#include "platform/FileInfo.h"
#include "ui_TDialogSelectFolder.h"

namespace kinshelf {

TDialogSelectFolder::TDialogSelectFolder(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TDialogSelectFolder>()) {
  ui_->setupUi(this);
  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &TDialogSelectFolder::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &TDialogSelectFolder::reject);
  connect(ui_->butBrowse, &QPushButton::clicked, this, &TDialogSelectFolder::Browse);
  ui_->edtFolder->setFocus();
}

TDialogSelectFolder::~TDialogSelectFolder() = default;

void TDialogSelectFolder::Preset(const std::string& folder, bool sub) {
  if (!platform::DirectoryExists(folder)) return;
  preset_ = folder;
  ui_->edtFolder->setText(QString::fromStdString(folder));
  ui_->chkIncludeSubDir->setChecked(sub);
}

// A folder name that is not UTF-8 is shown with stand-ins, which name no folder: while its text is
// left as shown, the folder is the preset's own bytes.
std::string TDialogSelectFolder::Folder() const {
  const QString text = ui_->edtFolder->text();
  if (!preset_.empty() && text == QString::fromStdString(preset_)) return preset_;
  return text.trimmed().toStdString();
}

bool TDialogSelectFolder::IncludeSubfolders() const {
  return ui_->chkIncludeSubDir->isChecked();
}

void TDialogSelectFolder::accept() {
  if (Folder().empty() || !platform::DirectoryExists(Folder())) {
    QMessageBox::warning(this, windowTitle(), tr("Please enter a valid folder"));
    return;
  }
  QDialog::accept();
}

void TDialogSelectFolder::Browse() {
  const QString chosen = QFileDialog::getExistingDirectory(this, tr("Select a Folder to Exclude"),
                                                           ui_->edtFolder->text().trimmed());
  if (!chosen.isEmpty()) ui_->edtFolder->setText(chosen);
}

}  // namespace kinshelf
