// While it lives, closes every message box that comes up modal, with the button given, and keeps the
// last one's title and text: such a box runs an event loop of its own, which only a timer reaches.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace kinshelf::test {

class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(QMessageBox::StandardButton button) {
    QObject::connect(&timer_, &QTimer::timeout, [this, button] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        title = box->windowTitle();
        text = box->text();
        ++closed;
        // Clicked where the box has the button: a question's answer is the button clicked.
        if (QAbstractButton* clicked = box->button(button)) {
          clicked->click();
        } else {
          box->done(button);
        }
      }
    });
    timer_.start(20);
  }

  // Waits for the next box to be closed; false when none came in time.
  bool WaitForNext() {
    const int before = closed;
    return QTest::qWaitFor([this, before] { return closed > before; }, 10000);
  }

  QString title;
  QString text;
  int closed = 0;

 private:
  QTimer timer_;
};

}  // namespace kinshelf::test
