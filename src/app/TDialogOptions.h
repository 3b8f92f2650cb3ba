// "Options": the font sizes of the grid and the side panel, the start-up switches, the date and time
// display, and the program of each kind of file. Save stores every control in the in-memory
// settings (program paths trimmed); Cancel stores nothing.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <memory>

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

 private:
  void Load();
  void Browse(int program);
  QList<QLineEdit*> ProgramEdits() const;
  QRadioButton* Radio(const QString& group, int value) const;
  int CheckedValue(const QString& group) const;

  std::unique_ptr<Ui::TDialogOptions> ui_;
  WOptions& options_;
};

}  // namespace kinshelf
