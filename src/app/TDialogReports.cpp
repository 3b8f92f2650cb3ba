// "Export Options".
#include "app/TDialogReports.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <exception>

#include "catalog/CatalogExport.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"
#include "ui_TDialogReports.h"

namespace kinshelf {

TDialogReports::TDialogReports(std::string catalogBaseName, std::vector<std::int32_t> ids,
                               const WOptions& options, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TDialogReports>()),
      catalogBaseName_(std::move(catalogBaseName)),
      ids_(std::move(ids)),
      options_(options) {
  ui_->setupUi(this);
  connect(ui_->butExportCsv, &QPushButton::clicked, this, &TDialogReports::AskForFile);
  connect(ui_->butCancel, &QPushButton::clicked, this, &TDialogReports::reject);
  connect(this, &TDialogReports::Exported, this, &TDialogReports::Done, Qt::QueuedConnection);
}

TDialogReports::~TDialogReports() {
  if (thread_ == nullptr) return;
  thread_->wait();
  delete thread_;
}

void TDialogReports::AskForFile() {
  const QString fileName =
      QFileDialog::getSaveFileName(this, windowTitle(), QString(), tr("Comma-separated values (*.csv)"));
  if (!fileName.isEmpty()) ExportTo(fileName);
}

void TDialogReports::ExportTo(const QString& fileName) {
  if (thread_ != nullptr) return;
  setEnabled(false);
  thread_ = QThread::create([this, file = fileName.toStdString()] {
    QString error;
    try {
      WFileStore store(catalogBaseName_);
      WIntArray list(std::string(), 0);
      for (const std::int32_t id : ids_) list.AddValue(id);
      ExportCatalogCsv(file, store, list, options_);
    } catch (const std::exception& failure) {
      error = QString::fromStdString(failure.what());
    }
    emit Exported(error);
  });
  thread_->start();
}

void TDialogReports::Done(const QString& error) {
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  setEnabled(true);
  if (!error.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), error);
    return;
  }
  accept();
}

}  // namespace kinshelf
