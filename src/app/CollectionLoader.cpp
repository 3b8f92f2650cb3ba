// Reads a genealogy file on a thread of its own.
#include "app/CollectionLoader.h"

#include <QThread>
#include <chrono>
#include <exception>

#include "model/CancelFlag.h"
#include "model/WABSCollection.h"
#include "readers/ReaderFactory.h"

namespace kinshelf {

CollectionLoader::CollectionLoader(QObject* parent) : QObject(parent) {}

CollectionLoader::~CollectionLoader() {
  if (thread_ == nullptr) return;
  RequestCancel();
  thread_->wait();
  delete thread_;
}

void CollectionLoader::Start(const std::string& path, const WOptions& options) {
  if (thread_ != nullptr) {
    thread_->wait();
    delete thread_;
  }
  collection_.reset();
  factoryError_.clear();
  thread_ = QThread::create([this, path, &options] { Run(path, options); });
  connect(thread_, &QThread::finished, this, &CollectionLoader::Finished);
  thread_->start();
}

bool CollectionLoader::Running() const {
  return thread_ != nullptr && thread_->isRunning();
}

std::unique_ptr<WABSCollection> CollectionLoader::TakeCollection() {
  return std::move(collection_);
}

// On the load's thread: nothing here touches a window.
void CollectionLoader::Run(const std::string& path, const WOptions& options) {
  const auto start = std::chrono::steady_clock::now();
  try {
    auto collection = CreateCollection(path, factoryError_, ReaderFormat::kUnknown, options);
    if (collection != nullptr && collection->Load() && !CancelRequested()) {
      collection->LinkRecords();
      if (!CancelRequested()) collection_ = std::move(collection);
    }
  } catch (const std::exception& failure) {
    // The file changed under the reader, or could not be mapped: said like a refusal.
    factoryError_ = failure.what();
  }
  seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace kinshelf
