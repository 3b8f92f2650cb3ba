// Runs a catalog search on a thread of its own.
#include "app/SearchRunner.h"

#include <QElapsedTimer>
#include <QThread>
#include <exception>

#include "app/EventHookScope.h"
#include "catalog/CatalogSearch.h"
#include "catalog/store/WFileStore.h"

namespace kinshelf {

namespace {

constexpr qint64 kProgressInterval = 100;  // ms

}  // namespace

SearchRunner::SearchRunner(std::string catalogBaseName, WOptions& options, const WFileExcludeList& exclusions,
                           QObject* parent)
    : QObject(parent),
      catalogBaseName_(std::move(catalogBaseName)),
      options_(options),
      exclusions_(exclusions) {}

SearchRunner::~SearchRunner() {
  if (thread_ == nullptr) return;
  Cancel();
  thread_->wait();
  delete thread_;
}

void SearchRunner::Start(Choices choices) {
  cancel_.Reset();
  thread_ = QThread::create([this, choices = std::move(choices)] { Run(choices); });
  thread_->start();
}

void SearchRunner::Cancel() {
  cancel_.Cancel();
}

// On the search's thread: the hook that the walk runs once per folder reports progress and nothing
// else; the window's event loop is never entered from here.
void SearchRunner::Run(const Choices& choices) {
  CatalogSearch::Result result;
  QString error;
  try {
    WFileStore store(catalogBaseName_);
    CatalogSearch search(store, options_, exclusions_);
    search.kinds = choices.kinds;
    search.keepExisting = choices.keepExisting;
    QElapsedTimer clock;
    clock.start();
    const EventHookScope hook([&] {
      if (clock.elapsed() < kProgressInterval) return;
      clock.restart();
      const auto& progress = search.Progress();
      emit Progress(progress.found, progress.processed, QString::fromStdString(search.CurrentFolder()));
    });
    const CancelSlot<CatalogSearch>::Scope running(cancel_, search);
    if (!cancel_.Cancelled()) result = search.Run(choices.roots);
  } catch (const std::exception& failure) {
    error = QString::fromStdString(failure.what());
  }
  emit Finished(result.found, result.processed, result.cancelled || cancel_.Cancelled(), error);
}

}  // namespace kinshelf
