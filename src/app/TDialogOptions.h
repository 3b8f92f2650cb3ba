// "Options": the font sizes of the grid and the side panel, the start-up switches, the date and time
// display, and the program of each kind of file. Save stores every control in the in-memory
// settings (program paths trimmed), or nothing when a path cannot be stored; Cancel stores nothing.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <string>

class QLineEdit;
class QRadioButton;

namespace Ui {
class TDialogOptions;
}

namespace kinshelf {

class WOptions;

class TDialogOptions final : public QDialog {
  Q_OBJECT

 public:
  // Edits `options`, which must outlive the dialog.
  explicit TDialogOptions(WOptions& options, QWidget* parent = nullptr);
  ~TDialogOptions() override;

  void accept() override;

  // The programs the page sets, one for each kind of file and the viewer.
  static constexpr std::size_t kProgramCount = 10;

 private:
  void Load();
  void Browse(int program);
  QList<QLineEdit*> ProgramEdits() const;
  QRadioButton* Radio(const QString& group, int value) const;
  int CheckedValue(const QString& group) const;
  std::string ProgramPath(int program) const;

  std::unique_ptr<Ui::TDialogOptions> ui_;
  WOptions& options_;
  // The program settings as the boxes were filled, in the page's order.
  std::array<std::string, kProgramCount> loaded_;
};

}  // namespace kinshelf
