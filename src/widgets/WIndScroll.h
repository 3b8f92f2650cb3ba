// The individual selector above the details pages: a scroll bar over the collection's browsing
// order, a label with the current individual's name and life dates, buttons to the father, the
// mother and (a pop-up list) the spouses and children, and back and forward along the path of
// jumps. Every change of the current individual is announced with Changed.
//
// The path: a jump, or a move of the scroll bar by the user, puts the individual it leaves on the
// back stack (unless it is already on top); a move by the user also empties the forward stack.
// Dragging the thumb records only where the drag began. Back and Forward move between the stacks.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QScrollBar;

namespace kinshelf {

class WABSCollection;
class WIntStack;
class WSelectionButton;

class WIndScroll final : public QWidget {
  Q_OBJECT

 public:
  explicit WIndScroll(QWidget* parent = nullptr);
  ~WIndScroll() override;

  // Shows the collection's first individual, with an empty path; the same collection again
  // changes nothing. nullptr detaches: the label empties and the strip is disabled. The collection
  // must outlive its attachment.
  void Attach(WABSCollection* collection);
  // The current individual's index (the scroll position itself without a collection).
  std::int32_t Current() const;
  // Makes `individual` current; ignored without a collection or for an index of 0 or less.
  void JumpTo(std::int32_t individual);
  void Back();
  void Forward();
  const WIntStack& BackStack() const { return *back_; }
  const WIntStack& ForwardStack() const { return *forward_; }
  QScrollBar* ScrollBar() const { return scroll_; }
  WSelectionButton* RelativesButton() const { return relatives_; }

 signals:
  void Changed();
  // Reading the collection failed (the file changed while it was open); the owner should close it.
  void ReadFailed(const QString& message);
  // An individual's record could not be read; the file stays open.
  void RecordFailed(const QString& message);

 private:
  void UserMoved();
  void MoveTo(std::int32_t individual);
  void ShowCurrent();
  void ShowIndividual();
  void Guarded(const std::function<void()>& read);
  void UpdatePathButtons();
  void FillRelatives();
  void ChooseRelative(int number);
  void PushUnlessOnTop(WIntStack& stack, std::int32_t individual);
  QString Display(const std::string& text) const;

  WABSCollection* collection_ = nullptr;
  std::unique_ptr<WIntStack> back_;
  std::unique_ptr<WIntStack> forward_;
  std::int32_t shown_ = 0;      // the individual shown last
  std::int32_t dragStart_ = 0;  // where a drag of the thumb began
  bool moving_ = false;         // the scroll bar is being set, not moved by the user
  std::vector<std::int32_t> relativeItems_;
  QLabel* name_;
  QScrollBar* scroll_;
  QPushButton* backButton_;
  QPushButton* forwardButton_;
  QPushButton* previousHighlighted_;
  QPushButton* nextHighlighted_;
  QPushButton* father_;
  QPushButton* mother_;
  WSelectionButton* relatives_;
};

}  // namespace kinshelf
