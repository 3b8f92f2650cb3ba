// The individual selector.
#include "widgets/WIndScroll.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <exception>

#include "fileaccess/WIntStack.h"
#include "model/FileChangedError.h"
#include "model/WABSCollection.h"
#include "model/WABSEvent.h"
#include "model/WABSIndividual.h"
#include "model/pages/RelativesList.h"
#include "widgets/CollectionText.h"
#include "widgets/WSelectionButton.h"

namespace kinshelf {

namespace {

QPushButton* SmallButton(const QString& text, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setToolTip(hint);
  button->setFixedWidth(button->fontMetrics().horizontalAdvance(text) + 24);
  return button;
}

}  // namespace

WIndScroll::WIndScroll(QWidget* parent)
    : QWidget(parent),
      back_(std::make_unique<WIntStack>()),
      forward_(std::make_unique<WIntStack>()),
      name_(new QLabel(this)),
      scroll_(new QScrollBar(Qt::Horizontal, this)) {
  setObjectName("indScroll");
  name_->setObjectName("indName");
  scroll_->setObjectName("indScrollBar");
  backButton_ = SmallButton(QStringLiteral("◀"), tr("Back (Alt+Left)"), this);
  backButton_->setShortcut(QKeySequence::Back);
  forwardButton_ = SmallButton(QStringLiteral("▶"), tr("Forward (Alt+Right)"), this);
  forwardButton_->setShortcut(QKeySequence::Forward);
  previousHighlighted_ = SmallButton(QStringLiteral("⇤"), tr("Previous Highlighted Individual"), this);
  nextHighlighted_ = SmallButton(QStringLiteral("⇥"), tr("Next Highlighted Individual"), this);
  // Nothing in this program highlights individuals.
  previousHighlighted_->setEnabled(false);
  nextHighlighted_->setEnabled(false);
  father_ = SmallButton(QStringLiteral("F"), QString(), this);
  father_->setObjectName("butFather");
  mother_ = SmallButton(QStringLiteral("M"), QString(), this);
  mother_->setObjectName("butMother");
  relatives_ = new WSelectionButton(QStringLiteral("S"), this);
  relatives_->setObjectName("butSpouses");
  relatives_->setFixedWidth(father_->width());
  relatives_->setToolTip(tr("Spouses and children"));

  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  for (QWidget* button : {static_cast<QWidget*>(backButton_), static_cast<QWidget*>(forwardButton_),
                          static_cast<QWidget*>(previousHighlighted_)})
    row->addWidget(button);
  row->addWidget(scroll_, 1);
  for (QWidget* button : {static_cast<QWidget*>(nextHighlighted_), static_cast<QWidget*>(father_),
                          static_cast<QWidget*>(mother_), static_cast<QWidget*>(relatives_)})
    row->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(name_);
  layout->addLayout(row);

  connect(scroll_, &QScrollBar::valueChanged, this, &WIndScroll::UserMoved);
  connect(scroll_, &QScrollBar::sliderPressed, this, [this] { dragStart_ = shown_; });
  connect(scroll_, &QScrollBar::sliderReleased, this, [this] {
    if (shown_ == dragStart_) return;
    PushUnlessOnTop(*back_, dragStart_);
    forward_->Clear();
    UpdatePathButtons();
  });
  connect(backButton_, &QPushButton::clicked, this, &WIndScroll::Back);
  connect(forwardButton_, &QPushButton::clicked, this, &WIndScroll::Forward);
  connect(father_, &QPushButton::clicked, this,
          [this] { Guarded([this] { JumpTo(collection_->FatherOf(Current())); }); });
  connect(mother_, &QPushButton::clicked, this,
          [this] { Guarded([this] { JumpTo(collection_->MotherOf(Current())); }); });
  connect(relatives_, &WSelectionButton::PrePopup, this, [this] { Guarded([this] { FillRelatives(); }); });
  connect(relatives_, &WSelectionButton::Selected, this, &WIndScroll::ChooseRelative);
  Attach(nullptr);
}

WIndScroll::~WIndScroll() = default;

void WIndScroll::Attach(WABSCollection* collection) {
  if (collection != nullptr && collection == collection_) return;
  collection_ = collection;
  back_->Clear();
  forward_->Clear();
  const std::int32_t count = collection_ != nullptr ? collection_->DisplayCount() : 0;
  moving_ = true;
  scroll_->setRange(1, std::max(count, 1));
  scroll_->setPageStep(std::max(count / 100, 1));
  scroll_->setValue(1);
  moving_ = false;
  scroll_->setEnabled(count > 0);
  setEnabled(collection_ != nullptr);
  shown_ = Current();
  ShowCurrent();
}

std::int32_t WIndScroll::Current() const {
  return collection_ != nullptr ? collection_->DisplayToIndex(scroll_->value()) : scroll_->value();
}

void WIndScroll::JumpTo(std::int32_t individual) {
  if (collection_ == nullptr || individual <= 0 || collection_->IndexToDisplay(individual) == 0) return;
  PushUnlessOnTop(*back_, shown_);
  MoveTo(individual);
}

void WIndScroll::Back() {
  const std::int32_t previous = back_->Pop();
  if (collection_ == nullptr || previous <= 0) return;
  PushUnlessOnTop(*forward_, shown_);
  MoveTo(previous);
}

void WIndScroll::Forward() {
  const std::int32_t next = forward_->Pop();
  if (collection_ == nullptr || next <= 0) return;
  PushUnlessOnTop(*back_, shown_);
  MoveTo(next);
}

// An individual outside the browsing order cannot be shown: nothing moves.
void WIndScroll::MoveTo(std::int32_t individual) {
  const std::int32_t position = collection_->IndexToDisplay(individual);
  if (position < scroll_->minimum() || position > scroll_->maximum()) return;
  moving_ = true;
  scroll_->setValue(position);
  moving_ = false;
  shown_ = Current();
  ShowCurrent();
  emit Changed();
}

void WIndScroll::UpdatePathButtons() {
  backButton_->setEnabled(back_->Size() > 0);
  forwardButton_->setEnabled(forward_->Size() > 0);
}

// A move by the user; while the thumb is dragged only the drag's start counts for the path.
void WIndScroll::UserMoved() {
  if (moving_) return;
  if (!scroll_->isSliderDown()) {
    PushUnlessOnTop(*back_, shown_);
    forward_->Clear();
  }
  shown_ = Current();
  ShowCurrent();
  emit Changed();
}

void WIndScroll::PushUnlessOnTop(WIntStack& stack, std::int32_t individual) {
  if (individual > 0 && (stack.Size() == 0 || stack.Peek(0) != individual)) stack.Push(individual);
}

QString WIndScroll::Display(const std::string& text) const {
  return DisplayText(*collection_, text);
}

void WIndScroll::ShowCurrent() {
  Guarded([this] { ShowIndividual(); });
}

// A file changed under the reader, or a record it cannot read, makes it throw: the strip empties and
// says which, once the stack of calls into the collection has unwound.
void WIndScroll::Guarded(const std::function<void()>& read) {
  try {
    read();
  } catch (const std::exception& failure) {
    name_->clear();
    relativeItems_.clear();
    relatives_->SetItems({});
    const QString message = QString::fromUtf8(failure.what());
    if (dynamic_cast<const FileChangedError*>(&failure) != nullptr) {
      emit ReadFailed(message);
    } else {
      emit RecordFailed(message);
    }
  }
}

void WIndScroll::ShowIndividual() {
  const std::int32_t current = Current();
  const auto person = collection_ != nullptr && current >= 1 && current <= collection_->IndividualCount()
                          ? collection_->GetIndividual(current)
                          : nullptr;
  UpdatePathButtons();
  if (person == nullptr) {
    name_->clear();
    name_->setToolTip(QString());
    for (QPushButton* button : {father_, mother_, static_cast<QPushButton*>(relatives_)})
      button->setEnabled(false);
    return;
  }
  std::string label = " ";
  label.append(std::to_string(current)).append(" - ").append(person->NameText(true));
  label.append(", ").append(person->EventText(EventKind::kBirth, 1));
  label.append(", ").append(person->EventText(EventKind::kDeath, 1));
  name_->setText(Display(label));
  name_->setToolTip(Display(collection_->IndividualSummaryText(current)));
  const std::int32_t father = collection_->FatherOf(current);
  const std::int32_t mother = collection_->MotherOf(current);
  father_->setEnabled(father > 0);
  father_->setToolTip(father > 0 ? Display(collection_->IndividualSummaryText(father)) : QString());
  mother_->setEnabled(mother > 0);
  mother_->setToolTip(mother > 0 ? Display(collection_->IndividualSummaryText(mother)) : QString());
  relatives_->setEnabled(person->SpouseFamilyCount() > 0 || collection_->HasChildren(current));
}

void WIndScroll::FillRelatives() {
  relativeItems_.clear();
  QStringList items;
  if (collection_ != nullptr) {
    for (const RelativeItem& item : SpousesAndChildren(*collection_, Current())) {
      items.push_back(Display(item.text));
      relativeItems_.push_back(item.individual);
    }
  }
  relatives_->SetItems(items);
}

void WIndScroll::ChooseRelative(int number) {
  if (number >= 1 && number <= static_cast<int>(relativeItems_.size()))
    JumpTo(relativeItems_[static_cast<std::size_t>(number - 1)]);
}

}  // namespace kinshelf
