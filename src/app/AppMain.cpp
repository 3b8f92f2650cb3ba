// The desktop window's entry point: the display check, the session, the window and, when it
// closes, the settings saved.
#include "app/AppMain.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include "app/TMainForm.h"
#include "catalog/CatalogSession.h"
#include "settings/WOptions.h"

namespace kinshelf {

namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// A display server to connect to, or a platform chosen by hand (offscreen, for tests and
// screenshots).
bool HasDisplay() {
  return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

}  // namespace

int RunWindow(int argc, char** argv) {
  if (!HasDisplay()) {
    std::cerr << "kinshelf: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
                 "'kinshelf --help' lists the commands\n";
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orrinvale Kinshelf"));
  std::unique_ptr<CatalogSession> session;
  try {
    session = std::make_unique<CatalogSession>();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Orrinvale Kinshelf"),
                          QString::fromStdString(error.what()));
    return 1;
  }
  TMainForm window(*session);
  window.show();
  window.StartUp();
  const int status = QApplication::exec();
  session->Options().SetBool(opt::FirstTime, false);
  session->Options().Save();
  return status;
}

}  // namespace kinshelf
