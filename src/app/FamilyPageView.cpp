// The details view's family page.
#include "app/FamilyPageView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DetailsParts.h"
#include "model/ItemTexts.h"
#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "settings/WOptions.h"
#include "widgets/CollectionText.h"
#include "widgets/TIndInfoPanel.h"

namespace kinshelf {

namespace {

// An empty panel's colour.
const QColor kEmptyPanel(166, 202, 240);

}  // namespace

FamilyPageView::FamilyPageView(QWidget* parent)
    : DetailsPage(parent),
      nextSpouse_(new QPushButton(tr("Next Spouse"), this)),
      spouseCount_(new QLabel(this)),
      marriage_(new QLabel(this)),
      children_(MakeDetailsGrid({tr("Sex"), tr("Name"), tr("Birth"), tr("Death")}, {}, this)) {
  const char* names[] = {"panSubject", "panSpouse",       "panFather",
                         "panMother",  "panSpouseFather", "panSpouseMother"};
  for (int panel = 0; panel < kPanelCount; ++panel) {
    panels_[panel] = new TIndInfoPanel(this);
    panels_[panel]->setObjectName(names[panel]);
    connect(panels_[panel], &TIndInfoPanel::Activated, this, [this, panel] {
      if (shown_[panel] > 0) emit JumpTo(shown_[panel]);
    });
  }
  nextSpouse_->setObjectName("butNextSpouse");
  spouseCount_->setObjectName("labSpouseCount");
  marriage_->setObjectName("labMarriage");
  FitColumnsToTexts(*children_);
  children_->setObjectName("grdChildren");
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->addWidget(new QLabel(tr("Father"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Spouse's Father"), this), 0, 1);
  grid->addWidget(WithPlus(kFather), 1, 0);
  grid->addWidget(WithPlus(kSpouseFather), 1, 1);
  grid->addWidget(new QLabel(tr("Mother"), this), 2, 0);
  grid->addWidget(new QLabel(tr("Spouse's Mother"), this), 2, 1);
  grid->addWidget(WithPlus(kMother), 3, 0);
  grid->addWidget(WithPlus(kSpouseMother), 3, 1);
  grid->addWidget(new QLabel(tr("Individual"), this), 4, 0);
  grid->addWidget(new QLabel(tr("Spouse"), this), 4, 1);
  grid->addWidget(panels_[kSubject], 5, 0);
  grid->addWidget(panels_[kSpouse], 5, 1);
  auto* spouses = new QHBoxLayout;
  spouses->addWidget(marriage_, 1);
  spouses->addWidget(spouseCount_);
  spouses->addWidget(nextSpouse_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(spouses);
  layout->addWidget(new QLabel(tr("Children"), this));
  layout->addWidget(children_, 1);
  connect(nextSpouse_, &QPushButton::clicked, this, &FamilyPageView::NextSpouse);
  connect(children_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(page_.children.size()))
      emit JumpTo(page_.children[static_cast<std::size_t>(row)].index);
  });
  Refill();
}

// A parent's panel with the "+" that goes to that parent when they have parents of their own.
QWidget* FamilyPageView::WithPlus(Panel panel) {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(panels_[panel], 1);
  plus_[panel] = new QPushButton(QStringLiteral("+"), holder);
  plus_[panel]->setFixedWidth(plus_[panel]->sizeHint().height());
  plus_[panel]->setToolTip(tr("Go to this parent and their parents"));
  row->addWidget(plus_[panel]);
  connect(plus_[panel], &QPushButton::clicked, this, [this, panel] { emit JumpTo(shown_[panel]); });
  return holder;
}

// The family stepped to stays shown while the page is shown again for the same individual (a tab
// left and taken again); another individual starts at the first family.
void FamilyPageView::Show(WABSCollection* collection, std::int32_t index) {
  if (collection != collection_ || index != index_) position_ = 1;
  collection_ = collection;
  index_ = index;
  Refill();
}

void FamilyPageView::NextSpouse() {
  if (page_.count < 2) return;
  position_ = position_ % page_.count + 1;
  Refill();
}

void FamilyPageView::Fill() {
  page_ = collection_ != nullptr ? BuildFamilyPage(*collection_, index_, position_) : FamilyPage();
  FillPanel(kSubject, page_.subject);
  FillPanel(kSpouse, page_.spouse);
  FillPanel(kFather, page_.father);
  FillPanel(kMother, page_.mother);
  FillPanel(kSpouseFather, page_.spouseFather);
  FillPanel(kSpouseMother, page_.spouseMother);
  nextSpouse_->setEnabled(page_.count >= 2);
  spouseCount_->setText(page_.count >= 2 ? QStringLiteral("(%1 of %2)").arg(page_.position).arg(page_.count)
                                         : QString());
  const std::string married = JoinedPieces(page_.marriageDate, page_.marriagePlace);
  marriage_->setText(collection_ != nullptr && !married.empty()
                         ? tr("Marriage: %1").arg(DisplayText(*collection_, married))
                         : QString());
  children_->setRowCount(static_cast<int>(page_.children.size()));
  for (int row = 0; row < children_->rowCount(); ++row) {
    const PersonPanel& child = page_.children[static_cast<std::size_t>(row)];
    SetCell(*children_, row, 0, QString(QChar(child.sex)));
    SetCell(*children_, row, 1, DisplayText(*collection_, child.name));
    SetCell(*children_, row, 2, DisplayText(*collection_, child.birth));
    SetCell(*children_, row, 3, DisplayText(*collection_, child.death));
  }
}

void FamilyPageView::FillPanel(Panel panel, const std::optional<PersonPanel>& person) {
  TIndInfoPanel& box = *panels_[panel];
  box.Clear();
  shown_[panel] = person ? person->index : 0;
  if (plus_[panel] != nullptr)
    plus_[panel]->setVisible(
        person && (collection_->FatherOf(person->index) > 0 || collection_->MotherOf(person->index) > 0));
  box.SetColor(person ? QColor(Qt::white) : kEmptyPanel);
  box.setToolTip(QString());
  box.SetLds({}, false);
  if (!person) return;
  box.SetName(DisplayText(*collection_, person->name));
  box.SetBirth(DisplayText(*collection_, person->birth));
  box.SetDeath(DisplayText(*collection_, person->death));
  const WOptions& options = collection_->Options();
  if (options.GetBool(opt::ShowIndHint))
    box.setToolTip(DisplayText(*collection_, collection_->IndividualSummaryText(person->index)));
  const auto individual = collection_->GetIndividual(person->index);
  // The couple shown is sealed when the family shown is: it is found by its place in the subject's
  // families, which in the spouse's may be another.
  const bool ownFamily = (panel == kSubject || panel == kSpouse) && page_.subject;
  box.SetLds(
      {individual->HasLDSEvent(EventKind::kLdsBaptism), individual->HasLDSEvent(EventKind::kLdsEndowment),
       individual->HasLDSEvent(EventKind::kLdsSealingToParents),
       ownFamily ? collection_->HasSealingToSpouse(page_.subject->index, page_.position)
                 : collection_->HasSealingToSpouse(person->index, 0)},
      options.GetBool(opt::UseLDS));
}

}  // namespace kinshelf
