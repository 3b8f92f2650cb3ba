// The window's application object. The window's handlers catch and show their own errors; one that
// still escapes an event (a catalog another process holds, an exclusion list that cannot be read or
// saved) is shown here, as the last resort, and the window goes on: it would otherwise end the
// program, and the settings changed in the session with it.
#pragma once

#include <QApplication>

namespace kinshelf {

class KinshelfApplication final : public QApplication {
 public:
  KinshelfApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void ShowError(const char* message);

  // A box is up: an error met while it shows (a repaint that fails again) goes to the standard error.
  bool showing_ = false;
};

}  // namespace kinshelf
