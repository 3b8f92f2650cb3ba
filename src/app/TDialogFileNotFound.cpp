// Tells that a catalogued file is missing.
#include "app/TDialogFileNotFound.h"

#include "platform/FileInfo.h"
#include "platform/Paths.h"
#include "ui_TDialogFileNotFound.h"

namespace kinshelf {

TDialogFileNotFound::TDialogFileNotFound(const std::string& fullPath, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TDialogFileNotFound>()) {
  ui_->setupUi(this);
  ui_->labFile->setTextFormat(Qt::PlainText);
  ui_->labFile->setText(QString::fromStdString(fullPath));
  if (!platform::DirectoryExists(std::string(platform::FolderPart(fullPath)))) {
    ui_->butFolder->setEnabled(false);
    ui_->butFolder->setText(tr("Folder where the file was\nlocated no longer exists."));
  }
  connect(ui_->butFolder, &QPushButton::clicked, this, [this] { Choose(Answer::kOpenFolder); });
  connect(ui_->butRescan, &QPushButton::clicked, this, [this] { Choose(Answer::kSearchAgain); });
  connect(ui_->butClose, &QPushButton::clicked, this, &TDialogFileNotFound::reject);
}

TDialogFileNotFound::~TDialogFileNotFound() = default;

void TDialogFileNotFound::Choose(Answer answer) {
  answer_ = answer;
  accept();
}

}  // namespace kinshelf
