// "Export Options": writes the rows of the current listing, in their order, as comma-separated text
// to a file the user names; the text is made on a thread of its own, with a catalog connection of
// its own, and the dialog closes when the file is written.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QThread;

namespace Ui {
class TDialogReports;
}

namespace kinshelf {

class WOptions;

class TDialogReports final : public QDialog {
  Q_OBJECT

 public:
  // The listing's ids in the catalog of that base name; the date settings of `options`, which must
  // outlive the dialog, format the dates.
  TDialogReports(std::string catalogBaseName, std::vector<std::int32_t> ids, const WOptions& options,
                 QWidget* parent = nullptr);
  // Waits for a running export to end.
  ~TDialogReports() override;

  // Writes the file; the dialog closes with OK when it is written and stays open with a message
  // when it can't be.
  void ExportTo(const QString& fileName);

 signals:
  void Exported(const QString& error);

 private:
  void AskForFile();
  void Done(const QString& error);

  std::unique_ptr<Ui::TDialogReports> ui_;
  std::string catalogBaseName_;
  std::vector<std::int32_t> ids_;
  const WOptions& options_;
  QThread* thread_ = nullptr;
};

}  // namespace kinshelf
