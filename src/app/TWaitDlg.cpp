// The wait dialog over long work.
#include "app/TWaitDlg.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <chrono>

#include "model/CancelFlag.h"
#include "ui_TWaitDlg.h"

namespace kinshelf {

TWaitDlg::TWaitDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::TWaitDlg>()),
      timer_(new QTimer(this)) {
  ui_->setupUi(this);
  timer_->setSingleShot(true);
  timer_->setInterval(std::chrono::milliseconds(WaitState::kShowDelay));
  connect(timer_, &QTimer::timeout, this, &TWaitDlg::ShowDelayed);
  connect(ui_->butCancel, &QPushButton::clicked, this, [] { RequestCancel(); });
}

TWaitDlg::~TWaitDlg() = default;

void TWaitDlg::ShowWait(const QString& message, bool showNow, bool allowCancel, QWidget* disable) {
  const bool outermost = state_.Depth() == 0;
  state_.ShowWait(message.toStdString(), showNow, allowCancel);
  ui_->butCancel->setVisible(allowCancel);
  ui_->butCancel->setEnabled(allowCancel);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int dpi = screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchX()) : 96;
  setMinimumHeight(state_.DialogHeight(dpi));
  if (!outermost) return;
  toDisable_ = disable != nullptr ? disable : QApplication::activeWindow();
  ui_->LabMsg->setText(QString::fromStdString(state_.Message()));
  if (state_.GetPhase() == WaitState::Phase::kShown) {
    Present();
  } else {
    timer_->start();
  }
}

void TWaitDlg::ShowDelayed() {
  if (!state_.ShowDelayElapsed()) return;
  if (toDisable_ != nullptr && toDisable_ != this) {
    toDisable_->setEnabled(false);
    disabled_ = toDisable_;
  }
  Present();
}

void TWaitDlg::Present() {
  if (ui_->butCancel->isVisible()) ui_->butCancel->setFocus();
  show();
  raise();
  repaint();
}

void TWaitDlg::CloseWait() {
  if (!state_.CloseWait()) return;
  timer_->stop();
  if (disabled_ != nullptr) disabled_->setEnabled(true);
  disabled_ = nullptr;
  hide();
}

// Escape or the window's close button mean Cancel, when the work allows it.
void TWaitDlg::reject() {
  if (state_.CancelAllowed()) RequestCancel();
}

}  // namespace kinshelf
