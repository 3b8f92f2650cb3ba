// The details view's header page: the file's header rows (or its header text), its submitter (or the
// submitter's record text) and its statistics. The rows are the core's HeaderPage.
#pragma once

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QStackedWidget;
class QTableWidget;

namespace kinshelf {

class WABSCollection;

class HeaderPageView final : public QWidget {
  Q_OBJECT

 public:
  explicit HeaderPageView(QWidget* parent = nullptr);

  // Fills the page from the collection read in `loadSeconds`; nullptr empties it.
  void Show(WABSCollection* collection, double loadSeconds);
  QTableWidget* HeaderGrid() const { return header_; }
  QTableWidget* SubmitterGrid() const { return submitter_; }
  QTableWidget* Statistics() const { return statistics_; }

 signals:
  // Reading the collection failed (the file changed while it was open).
  void ReadFailed(const QString& message);

 private:
  void Refill();
  void Fill();

  WABSCollection* collection_ = nullptr;
  double loadSeconds_ = 0;
  QCheckBox* textMode_;
  QStackedWidget* headerStack_;
  QStackedWidget* submitterStack_;
  QTableWidget* header_;
  QPlainTextEdit* headerText_;
  QTableWidget* submitter_;
  QPlainTextEdit* submitterText_;
  QTableWidget* statistics_;
};

}  // namespace kinshelf
