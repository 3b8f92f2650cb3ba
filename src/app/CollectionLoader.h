// Reads a genealogy file on a thread of its own for the details view: the reader factory's
// collection, loaded and linked, and the time it took. The window's thread starts it and, when
// Finished comes, takes the collection or the factory's message. The program's cancel flag stops the
// load; a cancelled or failed load gives neither.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

class QThread;

namespace kinshelf {

class WABSCollection;
class WOptions;

class CollectionLoader final : public QObject {
  Q_OBJECT

 public:
  explicit CollectionLoader(QObject* parent = nullptr);
  // Waits for a load still running, after asking it to stop.
  ~CollectionLoader() override;

  // Starts reading `path`; the settings must outlive the load and not change during it.
  void Start(const std::string& path, const WOptions& options);
  bool Running() const;
  // After Finished: the loaded collection (once); the factory's refusal or the reader's failure (a
  // file that changed while it was read), empty after a plain failure or a cancel; the seconds
  // taken.
  std::unique_ptr<WABSCollection> TakeCollection();
  const std::string& FactoryError() const { return factoryError_; }
  double Seconds() const { return seconds_; }

 signals:
  void Finished();

 private:
  void Run(const std::string& path, const WOptions& options);

  QThread* thread_ = nullptr;
  std::unique_ptr<WABSCollection> collection_;
  std::string factoryError_;
  double seconds_ = 0;
};

}  // namespace kinshelf
