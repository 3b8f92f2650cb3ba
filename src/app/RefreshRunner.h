// Runs the refresh of a listing on a thread of its own, with a catalog connection of its own, so that
// the window keeps repainting: progress comes back every 20 files through a queued signal, and
// Cancel, from the window's thread, stops it within 20 files with the work done kept.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "app/CancelSlot.h"

class QThread;

namespace kinshelf {

class CatalogRefresh;

class RefreshRunner final : public QObject {
  Q_OBJECT

 public:
  explicit RefreshRunner(std::string catalogBaseName, QObject* parent = nullptr);
  // Waits for a running refresh to end.
  ~RefreshRunner() override;

  // Starts the refresh of the files with these ids; Finished follows once.
  void Start(std::vector<std::int32_t> ids);
  // Asks the running refresh to stop; nothing when none runs.
  void Cancel();

 signals:
  void Progress(qint64 done, qint64 total);
  // The refresh ended; the error that ended it, empty when none.
  void Finished(bool cancelled, const QString& error);

 private:
  void Run(const std::vector<std::int32_t>& ids);

  std::string catalogBaseName_;
  QThread* thread_ = nullptr;
  CancelSlot<CatalogRefresh> cancel_;
};

}  // namespace kinshelf
