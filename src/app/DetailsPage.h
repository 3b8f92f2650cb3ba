// A page of the details view over one collection: filled anew whenever it is asked to be. A read
// that fails leaves the page empty and is reported: as the file changed while it was open, so that
// the view can close the file, or as one record that cannot be read, the file staying open.
#pragma once

#include <QString>
#include <QWidget>

namespace kinshelf {

class WABSCollection;

class DetailsPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

 signals:
  void ReadFailed(const QString& message);
  void RecordFailed(const QString& message);

 protected:
  // Fills the page from collection_, or empties it after a failed read.
  void Refill();
  // Fills the page from collection_ (nullptr: empty).
  virtual void Fill() = 0;

  WABSCollection* collection_ = nullptr;
};

}  // namespace kinshelf
