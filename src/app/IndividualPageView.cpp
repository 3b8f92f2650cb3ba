// The details view's individual page.
#include "app/IndividualPageView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DetailsParts.h"
#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "settings/WOptions.h"
#include "text/ByteText.h"
#include "widgets/CollectionText.h"

namespace kinshelf {

namespace {

enum Column { kFact, kDate, kPlace, kAge, kDescription };

}  // namespace

IndividualPageView::IndividualPageView(WOptions& options, QWidget* parent)
    : DetailsPage(parent),
      options_(options),
      sex_(new QLabel(this)),
      modified_(new QLabel(this)),
      raw_(new QCheckBox(tr("Raw record"), this)),
      lds_(new QCheckBox(tr("LDS"), this)),
      chrono_(new QCheckBox(tr("Chronological"), this)),
      stack_(new QStackedWidget(this)),
      facts_(MakeDetailsGrid({tr("Fact"), tr("Date"), tr("Place"), tr("Age"), tr("Description")}, {}, this)),
      record_(MakeMemo(true, this)),
      sources_(MakeMemo(true, this)),
      notes_(MakeMemo(true, this)) {
  FitColumnsToTexts(*facts_);
  facts_->setObjectName("grdFacts");
  sex_->setObjectName("labSex");
  modified_->setObjectName("labModified");
  raw_->setObjectName("chkRaw");
  lds_->setObjectName("chkLDS");
  chrono_->setObjectName("chkChrono");
  stack_->addWidget(facts_);
  stack_->addWidget(record_);
  auto* top = new QHBoxLayout;
  top->addWidget(sex_);
  top->addSpacing(16);
  top->addWidget(modified_);
  top->addStretch();
  for (QCheckBox* box : {lds_, chrono_, raw_}) top->addWidget(box);
  auto* memos = new QSplitter(Qt::Horizontal, this);
  memos->addWidget(MakeTitledBox(tr("Sources"), sources_, this));
  memos->addWidget(MakeTitledBox(tr("Note"), notes_, this));
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(stack_);
  split->addWidget(memos);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(split, 1);
  connect(raw_, &QCheckBox::toggled, this, &IndividualPageView::Refill);
  connect(lds_, &QCheckBox::toggled, this, [this] { SettingToggled(lds_, opt::UseLDS); });
  connect(chrono_, &QCheckBox::toggled, this, [this] { SettingToggled(chrono_, opt::Chrono); });
  connect(facts_, &QTableWidget::currentCellChanged, this, [this](int row) { ShowRow(row); });
  connect(facts_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(page_.facts.size()) &&
        page_.facts[static_cast<std::size_t>(row)].link > 0)
      emit JumpTo(page_.facts[static_cast<std::size_t>(row)].link);
  });
}

void IndividualPageView::SettingToggled(QCheckBox* box, int setting) {
  options_.SetBool(static_cast<opt::General>(setting), box->isChecked());
  Refill();
}

void IndividualPageView::Show(WABSCollection* collection, std::int32_t index) {
  collection_ = collection;
  index_ = index;
  Refill();
}

void IndividualPageView::Fill() {
  for (auto [box, setting] : {std::pair{lds_, opt::UseLDS}, std::pair{chrono_, opt::Chrono}}) {
    const QSignalBlocker quiet(box);
    box->setChecked(options_.GetBool(setting));
  }
  stack_->setCurrentIndex(raw_->isChecked() ? 1 : 0);
  page_ = collection_ != nullptr ? BuildIndividualPage(*collection_, index_) : IndividualPage();
  const auto shown = [this](const std::string& text) { return DisplayText(*collection_, text); };
  const bool known = page_.index > 0;
  sex_->setText(known ? tr("Sex: %1").arg(QChar(page_.sex)) : QString());
  modified_->setText(known ? tr("Modified: %1").arg(shown(page_.modified)) : QString());
  record_->setPlainText(
      known && raw_->isChecked() ? shown(collection_->GetIndividual(index_)->GetRecordText()) : QString());
  facts_->setRowCount(static_cast<int>(page_.facts.size()));
  for (int row = 0; row < facts_->rowCount(); ++row) {
    const FactRow& fact = page_.facts[static_cast<std::size_t>(row)];
    SetCell(*facts_, row, kFact, shown(FlattenLineBreaks(fact.caption)));
    SetCell(*facts_, row, kDate, shown(FlattenLineBreaks(fact.date)));
    SetCell(*facts_, row, kPlace, shown(FlattenLineBreaks(fact.place)));
    SetCell(*facts_, row, kAge, QString::fromStdString(fact.age));
    SetCell(*facts_, row, kDescription, shown(FlattenLineBreaks(fact.description)));
    facts_->item(row, kAge)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  facts_->setCurrentCell(facts_->rowCount() > 0 ? 0 : -1, 0);
  ShowRow(facts_->currentRow());
}

void IndividualPageView::ShowRow(int row) {
  const bool valid = row >= 0 && row < static_cast<int>(page_.facts.size());
  sources_->setPlainText(valid ? DisplayText(*collection_, page_.facts[static_cast<std::size_t>(row)].sources)
                               : QString());
  notes_->setPlainText(valid ? DisplayText(*collection_, page_.facts[static_cast<std::size_t>(row)].notes)
                             : QString());
}

}  // namespace kinshelf
