// The window's application object, which shows the errors that escape an action.
#include "widgets/KinshelfApplication.h"

#include <QMessageBox>
#include <exception>
#include <iostream>

namespace kinshelf {

KinshelfApplication::KinshelfApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KinshelfApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowError(error.what());
  }
  return false;
}

void KinshelfApplication::ShowError(const char* message) {
  if (showing_) {
    std::cerr << "kinshelf: " << message << '\n';
    return;
  }
  showing_ = true;
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Orrinvale Kinshelf"), QString::fromUtf8(message),
                  QMessageBox::Ok, activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  showing_ = false;
}

}  // namespace kinshelf
