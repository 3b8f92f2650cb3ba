// The wait dialog over long work: a message and, when the work can be stopped, a Cancel button that
// sets the program's cancel flag. A delayed show appears only after 250 ms, so that quick work never
// flashes it, and then disables the window that was active; requests nest, and only the outermost
// close hides it (the rules live in WaitState). Main thread only.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "model/WaitState.h"

class QTimer;

namespace Ui {
class TWaitDlg;
}

namespace kinshelf {

class TWaitDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit TWaitDlg(QWidget* parent = nullptr);
  ~TWaitDlg() override;

  // `disable` is the window the delayed show disables; nullptr for the active window.
  void ShowWait(const QString& message, bool showNow, bool allowCancel, QWidget* disable = nullptr);
  void CloseWait();
  const WaitState& State() const { return state_; }

 protected:
  void reject() override;

 private:
  void ShowDelayed();
  void Present();

  std::unique_ptr<Ui::TWaitDlg> ui_;
  WaitState state_;
  QTimer* timer_;
  QPointer<QWidget> toDisable_;
  QPointer<QWidget> disabled_;
};

}  // namespace kinshelf
