// The desktop window's entry point: the display check, the session, the splash, the window and, when
// it closes, the settings saved.
#include "app/AppMain.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/TMainForm.h"
#include "catalog/CatalogSession.h"
#include "platform/Paths.h"
#include "settings/WOptions.h"
#include "widgets/KinshelfApplication.h"

namespace kinshelf {

namespace {

constexpr const char* kProductLine =
    "Kinshelf allows you to manage all of your genealogy files on your computer.";

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

int RunWindow(int argc, char** argv, const char* file) {
  if (!HasDisplay()) {
    std::cerr << "kinshelf: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
                 "'kinshelf --help' lists the commands\n";
    return 1;
  }
  KinshelfApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orrinvale Kinshelf"));
  std::unique_ptr<CatalogSession> session;
  try {
    session = std::make_unique<CatalogSession>();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Orrinvale Kinshelf"),
                          QString::fromStdString(error.what()));
    return 1;
  }
  // The splash closes itself 1.5 s after it appeared, whatever the start-up still does.
  std::unique_ptr<QLabel> splash;
  if (session->Options().GetBool(opt::ShowSplash)) {
    splash = std::make_unique<QLabel>(QStringLiteral("<h2>Kinshelf 1.02</h2><p>%1</p>").arg(kProductLine));
    splash->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setObjectName("splash");
    splash->setAlignment(Qt::AlignCenter);
    splash->setMargin(32);
    splash->setStyleSheet(QStringLiteral("background: white; border: 2px solid #a6caf0;"));
    splash->show();
    QTimer::singleShot(1500, splash.get(), &QWidget::close);
  }
  TMainForm window(*session);
  window.show();
  // A file to view comes from a file manager or a terminal: no refresh, welcome or update check.
  if (file != nullptr) {
    window.ShowDetails(std::filesystem::absolute(platform::ExpandPath(file)).string());
  } else {
    window.StartUp();
  }
  const int status = QApplication::exec();
  session->Options().SetBool(opt::FirstTime, false);
  try {
    session->Options().Save();
  } catch (const std::exception& error) {
    QMessageBox::warning(
        nullptr, QStringLiteral("Orrinvale Kinshelf"),
        QStringLiteral("The settings could not be saved: %1").arg(QString::fromStdString(error.what())));
    return status != 0 ? status : 1;
  }
  return status;
}

}  // namespace kinshelf
