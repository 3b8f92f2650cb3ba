// The side panel's filters.
#include "app/FilterPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalog/store/WFileStore.h"
#include "settings/WOptions.h"
#include "text/CountFormat.h"

namespace kinshelf {

namespace {

// The display setting of each kind, in the side panel's order (that of kFileKinds).
constexpr std::array<opt::Catalog, kFileKinds.size()> kKindSettings{
    opt::DispFTLeg, opt::DispFTRM,  opt::DispFTPAF, opt::DispFTGed, opt::DispFTFTM,
    opt::DispFTAQ,  opt::DispFTHFT, opt::DispFTTMG, opt::DispFTGB};

}  // namespace

FilterPanel::FilterPanel(WOptions& options, QWidget* parent)
    : QGroupBox(parent), options_(options), name_(new QLineEdit(this)), bookmarks_(new QCheckBox(this)) {
  setObjectName("filterPanel");
  auto* layout = new QVBoxLayout(this);
  auto* nameRow = new QHBoxLayout;
  name_->setObjectName("nameFilter");
  name_->setPlaceholderText(tr("Name contains (Enter)"));
  auto* clear = new QToolButton(this);
  clear->setObjectName("clearNameFilter");
  clear->setText(QStringLiteral("X"));
  clear->setToolTip(tr("Clear the name filter"));
  nameRow->addWidget(name_);
  nameRow->addWidget(clear);
  layout->addLayout(nameRow);
  auto* kinds = new QGridLayout;
  for (std::size_t i = 0; i < kFileKinds.size(); ++i) {
    const auto& caption = kFileKinds[i].caption;
    kindBoxes_[i] =
        new QCheckBox(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), this);
    kindBoxes_[i]->setObjectName(QStringLiteral("kind%1").arg(KindCode(kFileKinds[i].kind)));
    kindCounts_[i] = new QLabel(QStringLiteral("0"), this);
    kindCounts_[i]->setObjectName(QStringLiteral("count%1").arg(KindCode(kFileKinds[i].kind)));
    kindCounts_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    kinds->addWidget(kindBoxes_[i], static_cast<int>(i), 0);
    kinds->addWidget(kindCounts_[i], static_cast<int>(i), 1);
    connect(kindBoxes_[i], &QCheckBox::clicked, this, &FilterPanel::BoxClicked);
  }
  layout->addLayout(kinds);
  bookmarks_->setObjectName("bookmarksOnly");
  bookmarks_->setText(tr("Show only bookmarked files"));
  layout->addWidget(bookmarks_);
  connect(bookmarks_, &QCheckBox::clicked, this, &FilterPanel::BoxClicked);
  connect(name_, &QLineEdit::returnPressed, this, &FilterPanel::ApplyName);
  connect(clear, &QToolButton::clicked, this, &FilterPanel::ClearName);
}

void FilterPanel::LoadSettings() {
  loading_ = true;
  for (std::size_t i = 0; i < kFileKinds.size(); ++i)
    kindBoxes_[i]->setChecked(options_.GetBool(kKindSettings[i]));
  bookmarks_->setChecked(options_.GetBool(opt::filterBM));
  loading_ = false;
}

void FilterPanel::BoxClicked() {
  if (loading_) return;
  for (std::size_t i = 0; i < kFileKinds.size(); ++i)
    options_.SetBool(kKindSettings[i], kindBoxes_[i]->isChecked());
  options_.SetBool(opt::filterBM, bookmarks_->isChecked());
  emit FilterChanged();
}

void FilterPanel::ApplyName() {
  nameFilter_ = name_->text().trimmed().toStdString();
  emit FilterChanged();
}

void FilterPanel::ClearName() {
  name_->clear();
  nameFilter_.clear();
  emit FilterChanged();
}

ListingFilter FilterPanel::Filter(const ListingFilter& sorting) const {
  ListingFilter filter = sorting;
  filter.name = nameFilter_;
  filter.kinds = KindSet();
  for (std::size_t i = 0; i < kFileKinds.size(); ++i)
    filter.kinds[kFileKinds[i].kind] = kindBoxes_[i]->isChecked();
  filter.bookmarksOnly = bookmarks_->isChecked();
  return filter;
}

void FilterPanel::ShowCounts(std::int32_t listed, WFileStore& store) {
  setTitle(QStringLiteral("Filter Options (Files = %1)").arg(listed));
  const auto counts = store.CountsByKind();
  for (std::size_t i = 0; i < kFileKinds.size(); ++i) {
    const auto count = counts.find(kFileKinds[i].kind);
    kindCounts_[i]->setText(QString::fromStdString(FormatCount(count != counts.end() ? count->second : 0)));
  }
}

void FilterPanel::FocusNameFilter() {
  name_->setFocus(Qt::ShortcutFocusReason);
  name_->selectAll();
}

}  // namespace kinshelf
