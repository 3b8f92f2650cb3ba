// The refresh of the listed files.
#include "app/TDialogUpdateFileList.h"

#include <QMessageBox>
#include <QTimer>

#include "app/RefreshRunner.h"
#include "ui_TDialogUpdateFileList.h"

namespace kinshelf {

TDialogUpdateFileList::TDialogUpdateFileList(std::string catalogBaseName, std::vector<std::int32_t> ids,
                                             QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TDialogUpdateFileList>()),
      ids_(std::move(ids)),
      runner_(std::make_unique<RefreshRunner>(std::move(catalogBaseName))) {
  ui_->setupUi(this);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &TDialogUpdateFileList::reject);
  connect(runner_.get(), &RefreshRunner::Progress, this, &TDialogUpdateFileList::ShowProgress);
  connect(runner_.get(), &RefreshRunner::Finished, this, &TDialogUpdateFileList::Finished);
}

TDialogUpdateFileList::~TDialogUpdateFileList() = default;

// The work begins once the dialog is on the screen.
void TDialogUpdateFileList::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!started_) QTimer::singleShot(0, this, &TDialogUpdateFileList::Start);
  started_ = true;
}

void TDialogUpdateFileList::Start() {
  ui_->progress->setRange(0, static_cast<int>(std::max<std::size_t>(ids_.size(), 1)));
  running_ = true;
  runner_->Start(ids_);
}

void TDialogUpdateFileList::ShowProgress(qint64 done, qint64 total) {
  ui_->progress->setRange(0, static_cast<int>(std::max<qint64>(total, 1)));
  ui_->progress->setValue(static_cast<int>(done));
}

void TDialogUpdateFileList::Finished(bool /*cancelled*/, const QString& error) {
  running_ = false;
  if (!error.isEmpty()) QMessageBox::warning(this, windowTitle(), error);
  accept();
}

void TDialogUpdateFileList::reject() {
  if (running_) {
    runner_->Cancel();
    return;
  }
  QDialog::reject();
}

}  // namespace kinshelf
