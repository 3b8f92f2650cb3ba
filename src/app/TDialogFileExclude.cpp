// Asks what to leave out of the catalog for a file.
#include "app/TDialogFileExclude.h"

#include "catalog/exclusions/ExcludeChoice.h"
#include "ui_TDialogFileExclude.h"

namespace kinshelf {

TDialogFileExclude::TDialogFileExclude(const std::string& fullPath, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TDialogFileExclude>()) {
  ui_->setupUi(this);
  ui_->labSelectedFile->setText(QString::fromStdString(fullPath));
  for (const std::string& line : ExcludeChoices(fullPath))
    ui_->lbExcludePaths->addItem(QString::fromStdString(line));
  connect(ui_->lbExcludePaths, &QListWidget::currentRowChanged, this, &TDialogFileExclude::LineChosen);
  ui_->lbExcludePaths->setCurrentRow(ui_->lbExcludePaths->count() - 1);
  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &TDialogFileExclude::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &TDialogFileExclude::reject);
}

TDialogFileExclude::~TDialogFileExclude() = default;

void TDialogFileExclude::LineChosen() {
  const QListWidgetItem* line = ui_->lbExcludePaths->currentItem();
  ui_->labExcludePath->setText(line != nullptr ? line->text() : QString());
}

std::string TDialogFileExclude::Chosen() const {
  const QListWidgetItem* line = ui_->lbExcludePaths->currentItem();
  return line != nullptr ? ExcludeChoiceResult(line->text().toStdString()) : std::string();
}

}  // namespace kinshelf
