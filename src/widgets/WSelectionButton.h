// A button that pops up a list of choices: an item "-" is a separator, every other item is numbered
// 1, 2, 3 ... in order. The items come as a list, not joined by ";", since the names they show may
// hold a ";". Pressing it first announces the pop-up (so the
// owner can rebuild the items), then shows the list below the button; choosing an item records its
// number, puts its text on the button when asked to, and announces the choice.
#pragma once

#include <QPushButton>
#include <QString>
#include <QStringList>

class QMenu;

namespace kinshelf {

class WSelectionButton final : public QPushButton {
  Q_OBJECT

 public:
  explicit WSelectionButton(const QString& caption, QWidget* parent = nullptr);

  void SetItems(const QStringList& items);
  // The number of the item chosen last; 0 before any choice.
  int Chosen() const { return chosen_; }
  void SetCaptionFollowsChoice(bool follows) { captionFollows_ = follows; }
  // Chooses item `number` as a click on it would; numbers without an item do nothing.
  void Choose(int number);
  // The menu the button pops up.
  QMenu* Menu() const { return menu_; }

 signals:
  void PrePopup();
  void Selected(int number);

 private:
  void PopUp();

  QMenu* menu_;
  int chosen_ = 0;
  bool captionFollows_ = false;
};

}  // namespace kinshelf
