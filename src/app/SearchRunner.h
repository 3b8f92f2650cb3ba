// Runs a catalog search on a thread of its own, with a catalog connection of its own, so that the
// window keeps repainting: progress comes back at most every 100 ms through a queued signal, and
// Cancel, from the window's thread, stops the walk at its next entry (a cancelled search deletes
// nothing). The settings and the exclusion list are only read while it runs and must outlive it.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "app/CancelSlot.h"
#include "catalog/CatalogSearch.h"

class QThread;

namespace kinshelf {

class WFileExcludeList;
class WOptions;

class SearchRunner final : public QObject {
  Q_OBJECT

 public:
  using Choices = CatalogSearch::Choices;

  SearchRunner(std::string catalogBaseName, WOptions& options, const WFileExcludeList& exclusions,
               QObject* parent = nullptr);
  // Waits for a running search to end.
  ~SearchRunner() override;

  // Starts the search; Finished follows once.
  void Start(Choices choices);
  // Asks the running search to stop; nothing when none runs.
  void Cancel();

 signals:
  // Files recognised, entries examined and the folder being searched.
  void Progress(qint64 found, qint64 processed, const QString& folder);
  // The search ended: cancelled or not, and the error that ended it (empty when none).
  void Finished(qint64 found, qint64 processed, bool cancelled, const QString& error);

 private:
  // While it lives, Cancel reaches the search.
  class RunningScope {
   public:
    RunningScope(SearchRunner& runner, CatalogSearch& search);
    ~RunningScope();
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

   private:
    SearchRunner& runner_;
  };
  void Run(const Choices& choices);

  std::string catalogBaseName_;
  WOptions& options_;
  const WFileExcludeList& exclusions_;
  QThread* thread_ = nullptr;
  CancelSlot<CatalogSearch> cancel_;
};

}  // namespace kinshelf
