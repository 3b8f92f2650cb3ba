// Asks what to leave out of the catalog for a file.
#include "app/TDialogFileExclude.h"

#include "catalog/exclusions/ExcludeChoice.h"
#include "ui_TDialogFileExclude.h"

namespace kinshelf {

TDialogFileExclude::TDialogFileExclude(const std::string& fullPath, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TDialogFileExclude>()), choices_(ExcludeChoices(fullPath)) {
  ui_->setupUi(this);
  // Paths are shown as they are, never taken for markup.
  ui_->labSelectedFile->setTextFormat(Qt::PlainText);
  ui_->labExcludePath->setTextFormat(Qt::PlainText);
  ui_->labSelectedFile->setText(QString::fromStdString(fullPath));
  for (const std::string& line : choices_) ui_->lbExcludePaths->addItem(QString::fromStdString(line));
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

// From the path's own bytes: a name that is not UTF-8 is shown with stand-ins, which name no file.
std::string TDialogFileExclude::Chosen() const {
  const int row = ui_->lbExcludePaths->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= choices_.size()) return std::string();
  return ExcludeChoiceResult(choices_[static_cast<std::size_t>(row)]);
}

}  // namespace kinshelf
