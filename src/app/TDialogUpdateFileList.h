// The refresh of the listed files ("Updating Current List of Files"): it starts once the dialog is
// shown, runs on a thread of its own (RefreshRunner) with the progress bar advancing, and closes
// when it ends; Cancel stops it within 20 files, keeping the work done.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <vector>

namespace Ui {
class TDialogUpdateFileList;
}

namespace kinshelf {

class RefreshRunner;

class TDialogUpdateFileList final : public QDialog {
  Q_OBJECT

 public:
  // Refreshes the files with these ids in the catalog of that base name.
  TDialogUpdateFileList(std::string catalogBaseName, std::vector<std::int32_t> ids,
                        QWidget* parent = nullptr);
  ~TDialogUpdateFileList() override;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Start();
  void ShowProgress(qint64 done, qint64 total);
  void Finished(bool cancelled, const QString& error);

  std::unique_ptr<Ui::TDialogUpdateFileList> ui_;
  std::vector<std::int32_t> ids_;
  std::unique_ptr<RefreshRunner> runner_;
  bool started_ = false;
  bool running_ = false;
};

}  // namespace kinshelf
