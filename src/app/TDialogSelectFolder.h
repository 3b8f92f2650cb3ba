// The folder picker of the exclusion list: a folder typed or browsed for, and whether its
// subfolders are excluded too. OK is refused with "Please enter a valid folder" until the text
// names an existing folder.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class TDialogSelectFolder;
}

namespace kinshelf {

class TDialogSelectFolder final : public QDialog {
  Q_OBJECT

 public:
  explicit TDialogSelectFolder(QWidget* parent = nullptr);
  ~TDialogSelectFolder() override;

  // Puts the folder and the subfolder choice into the dialog, only when the folder exists.
  void Preset(const std::string& folder, bool sub);
  // After OK: the trimmed folder text (the preset folder while its text is unchanged) and the
  // subfolder choice.
  std::string Folder() const;
  bool IncludeSubfolders() const;

  void accept() override;

 private:
  void Browse();

  std::unique_ptr<Ui::TDialogSelectFolder> ui_;
  std::string preset_;
};

}  // namespace kinshelf
