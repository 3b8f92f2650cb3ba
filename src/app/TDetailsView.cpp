// The details view of the main window's Files page.
#include "app/TDetailsView.h"

#include <QMessageBox>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "app/CollectionLoader.h"
#include "app/FamilyPageView.h"
#include "app/HeaderPageView.h"
#include "app/IndividualPageView.h"
#include "app/TWaitDlg.h"
#include "model/CancelFlag.h"
#include "model/WABSCollection.h"
#include "platform/FileInfo.h"
#include "settings/WOptions.h"
#include "widgets/BusyCursor.h"
#include "widgets/WIndScroll.h"

namespace kinshelf {

namespace {

// The window's caption while a file is shown: this, " - " and the file's path.
const QString kCaption = QStringLiteral("Orrinvale Pedora 1.02");

}  // namespace

TDetailsView::TDetailsView(WOptions& options, QWidget* parent)
    : QWidget(parent),
      options_(options),
      selector_(new WIndScroll(this)),
      tabs_(new QTabWidget(this)),
      header_(new HeaderPageView(this)),
      individual_(new IndividualPageView(options, this)),
      family_(new FamilyPageView(this)),
      loader_(new CollectionLoader(this)),
      wait_(std::make_unique<TWaitDlg>()) {
  setObjectName("detailsView");
  tabs_->setObjectName("tabDetails");
  tabs_->addTab(header_, tr("File Header"));
  tabs_->addTab(individual_, tr("Individual"));
  tabs_->addTab(family_, tr("Family"));
  const int last = options_.GetInt(opt::LastTab);
  tabs_->setCurrentIndex(last >= kHeaderTab && last <= kFamilyTab ? last : kIndividualTab);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(selector_);
  layout->addWidget(tabs_, 1);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
    options_.SetInt(opt::LastTab, tab);
    RefreshPage();
  });
  connect(selector_, &WIndScroll::Changed, this, &TDetailsView::RefreshPage);
  connect(individual_, &IndividualPageView::JumpTo, selector_, &WIndScroll::JumpTo);
  connect(family_, &FamilyPageView::JumpTo, selector_, &WIndScroll::JumpTo);
  connect(loader_, &CollectionLoader::Finished, this, &TDetailsView::LoadFinished);
  // Queued: the failure is handled once the calls into the collection have unwound.
  connect(selector_, &WIndScroll::ReadFailed, this, &TDetailsView::ReadFailed, Qt::QueuedConnection);
  connect(header_, &HeaderPageView::ReadFailed, this, &TDetailsView::ReadFailed, Qt::QueuedConnection);
  connect(individual_, &IndividualPageView::ReadFailed, this, &TDetailsView::ReadFailed,
          Qt::QueuedConnection);
  connect(family_, &FamilyPageView::ReadFailed, this, &TDetailsView::ReadFailed, Qt::QueuedConnection);
  connect(selector_, &WIndScroll::RecordFailed, this, &TDetailsView::RecordFailed, Qt::QueuedConnection);
  connect(header_, &HeaderPageView::RecordFailed, this, &TDetailsView::RecordFailed, Qt::QueuedConnection);
  connect(individual_, &IndividualPageView::RecordFailed, this, &TDetailsView::RecordFailed,
          Qt::QueuedConnection);
  connect(family_, &FamilyPageView::RecordFailed, this, &TDetailsView::RecordFailed, Qt::QueuedConnection);
  AddKeys();
}

// Stepping through the individuals and choosing the page without the mouse.
void TDetailsView::AddKeys() {
  const auto key = [this](const QKeySequence& keys, const std::function<void()>& run) {
    auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, run);
  };
  QScrollBar* scroll = selector_->ScrollBar();
  key(Qt::CTRL | Qt::Key_Down, [scroll] { scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
  key(Qt::CTRL | Qt::Key_Up, [scroll] { scroll->triggerAction(QAbstractSlider::SliderSingleStepSub); });
  for (const int tab : {kHeaderTab, kIndividualTab, kFamilyTab})
    key(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + tab)),
        [this, tab] { tabs_->setCurrentIndex(tab); });
}

TDetailsView::~TDetailsView() = default;

void TDetailsView::Open(const std::string& path) {
  // A read being cancelled by Close ends first; the file asked for since is read after it.
  if (loading_ && closing_) pendingPath_ = path;
  if (loading_ || path.empty() || path == path_) return;
  if (!platform::FileExists(path)) {
    QMessageBox::warning(
        window(), QStringLiteral("Orrinvale Kinshelf"),
        tr("The file: %1\ndoes not exist.  Please select another file.").arg(QString::fromStdString(path)));
    return;
  }
  loading_ = true;
  selector_->setEnabled(false);
  path_ = path;
  emit CaptionChanged(kCaption + QStringLiteral(" - ") + QString::fromStdString(path));
  BusyCursor::BeginBusy();
  selector_->Attach(nullptr);
  collection_.reset();
  ClearPages();
  wait_->ShowWait(tr("Reading.  Please Wait..."), false, true, window());
  loader_->Start(path, options_);
}

// The read ended: a collection to show, the readers' refusal to tell, or nothing (a failed or
// cancelled read) and the path forgotten.
void TDetailsView::LoadFinished() {
  collection_ = loader_->TakeCollection();
  loadSeconds_ = loader_->Seconds();
  loading_ = false;
  BusyCursor::EndBusy();
  wait_->CloseWait();
  if (std::exchange(closing_, false)) {
    collection_.reset();
    path_.clear();
    selector_->setEnabled(true);
    emit OpenFinished();
    if (!pendingPath_.empty()) Open(std::exchange(pendingPath_, std::string()));
    return;
  }
  if (collection_ == nullptr) {
    emit CaptionChanged(kCaption);
    path_.clear();
    selector_->setEnabled(true);
    const std::string& error = loader_->FactoryError();
    if (!error.empty())
      QMessageBox::warning(window(), QStringLiteral("Orrinvale Kinshelf"),
                           QString::fromStdString(error).replace('\r', '\n'));
    emit OpenFinished();
    return;
  }
  selector_->Attach(collection_.get());
  RefreshPage();
  options_.AddRecentFile(path_);
  // What can be read is shown; the counts of a damaged file include what cannot.
  const std::string damage = collection_->LoadDamage();
  const std::string told = damage.empty() ? damage : path_ + ": " + damage;
  emit OpenFinished();
  if (!told.empty())
    QMessageBox::warning(window(), QStringLiteral("Orrinvale Kinshelf"), QString::fromStdString(told));
}

void TDetailsView::Close() {
  // A file asked for while a cancelled read ended is no longer wanted either.
  pendingPath_.clear();
  if (loading_) {
    closing_ = true;
    RequestCancel();
    return;
  }
  selector_->Attach(nullptr);
  collection_.reset();
  path_.clear();
  ClearPages();
}

// The file can no longer be read (it changed while it was open): it is closed, and the user told
// once.
void TDetailsView::ReadFailed(const QString& message) {
  if (collection_ == nullptr) return;
  Close();
  emit CaptionChanged(kCaption);
  QMessageBox::warning(window(), QStringLiteral("Orrinvale Kinshelf"), message);
}

// One record could not be read: the user is told, and the rest of the file can still be shown.
void TDetailsView::RecordFailed(const QString& message) {
  if (collection_ == nullptr) return;
  QMessageBox::warning(window(), QStringLiteral("Orrinvale Kinshelf"), message);
}

void TDetailsView::ClearPages() {
  header_->Show(nullptr, 0);
  individual_->Show(nullptr, 0);
  family_->Show(nullptr, 0);
}

void TDetailsView::RefreshPage() {
  switch (tabs_->currentIndex()) {
    case kHeaderTab:
      header_->Show(collection_.get(), loadSeconds_);
      break;
    case kIndividualTab:
      individual_->Show(collection_.get(), selector_->Current());
      break;
    case kFamilyTab:
      family_->Show(collection_.get(), selector_->Current());
      break;
    default:
      break;
  }
}

}  // namespace kinshelf
