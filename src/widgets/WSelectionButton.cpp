// A button with a pop-up list of numbered choices.
#include "widgets/WSelectionButton.h"

#include <QMenu>

namespace kinshelf {

WSelectionButton::WSelectionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), menu_(new QMenu(this)) {
  connect(this, &QPushButton::clicked, this, &WSelectionButton::PopUp);
}

void WSelectionButton::SetItems(const QStringList& items) {
  menu_->clear();
  int number = 0;
  for (const QString& item : items) {
    if (item == QStringLiteral("-")) {
      menu_->addSeparator();
      continue;
    }
    // A name's "&" is shown as it is, not taken for a shortcut's mark.
    QAction* action = menu_->addAction(QString(item).replace(QLatin1Char('&'), QStringLiteral("&&")));
    action->setData(++number);
    connect(action, &QAction::triggered, this, [this, number] { Choose(number); });
  }
}

void WSelectionButton::Choose(int number) {
  for (QAction* action : menu_->actions()) {
    if (action->isSeparator() || action->data().toInt() != number) continue;
    chosen_ = number;
    if (captionFollows_) setText(action->text());
    emit Selected(number);
    return;
  }
}

void WSelectionButton::PopUp() {
  emit PrePopup();
  if (!menu_->isEmpty()) menu_->exec(mapToGlobal(rect().bottomLeft()));
}

}  // namespace kinshelf
