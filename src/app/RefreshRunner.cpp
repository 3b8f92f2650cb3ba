// Runs the refresh of a listing on a thread of its own.
#include "app/RefreshRunner.h"

#include <QThread>
#include <exception>

#include "app/EventHookScope.h"
#include "catalog/CatalogRefresh.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"

namespace kinshelf {

RefreshRunner::RefreshRunner(std::string catalogBaseName, QObject* parent)
    : QObject(parent), catalogBaseName_(std::move(catalogBaseName)) {}

RefreshRunner::~RefreshRunner() {
  if (thread_ == nullptr) return;
  Cancel();
  thread_->wait();
  delete thread_;
}

void RefreshRunner::Start(std::vector<std::int32_t> ids) {
  cancel_.Reset();
  thread_ = QThread::create([this, ids = std::move(ids)] { Run(ids); });
  thread_->start();
}

void RefreshRunner::Cancel() {
  cancel_.Cancel();
}

// On the refresh's thread; the ids are copied into a list of its own, which only this thread reads.
void RefreshRunner::Run(const std::vector<std::int32_t>& ids) {
  bool cancelled = false;
  QString error;
  try {
    WFileStore store(catalogBaseName_);
    WIntArray list(std::string(), 0);
    for (const std::int32_t id : ids) list.AddValue(id);
    CatalogRefresh refresh(store, list);
    const EventHookScope hook([&] { emit Progress(refresh.Done(), refresh.Total()); });
    const CancelSlot<CatalogRefresh>::Scope running(cancel_, refresh);
    if (!cancel_.Cancelled()) cancelled = refresh.Run().cancelled;
  } catch (const std::exception& failure) {
    error = QString::fromStdString(failure.what());
  }
  emit Finished(cancelled || cancel_.Cancelled(), error);
}

}  // namespace kinshelf
