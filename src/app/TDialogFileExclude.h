// Asks what to leave out of the catalog for a file: the file itself (chosen at first) or one of the
// folders above it, each shown as "FOLDER/*.*".
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TDialogFileExclude;
}

namespace kinshelf {

class TDialogFileExclude final : public QDialog {
  Q_OBJECT

 public:
  explicit TDialogFileExclude(const std::string& fullPath, QWidget* parent = nullptr);
  ~TDialogFileExclude() override;

  // After OK: the file's full path, or the chosen folder.
  std::string Chosen() const;

 private:
  void LineChosen();

  std::unique_ptr<Ui::TDialogFileExclude> ui_;
  // The lines offered, as the path's bytes.
  std::vector<std::string> choices_;
};

}  // namespace kinshelf
