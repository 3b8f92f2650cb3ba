// The window's application object. An error that escapes an action (a catalog another process
// holds, an exclusion list that cannot be read or saved) is shown in a message box, and the window
// goes on: it would otherwise end the program, and the settings changed in the session with it.
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
