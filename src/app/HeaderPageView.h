// The details view's header page: the file's header rows (or its header text), its submitter (or the
// submitter's record text) and its statistics. The rows are the core's HeaderPage.
#pragma once

#include "app/DetailsPage.h"

class QCheckBox;
class QPlainTextEdit;
class QStackedWidget;
class QTableWidget;

namespace kinshelf {

class WABSCollection;

class HeaderPageView final : public DetailsPage {
  Q_OBJECT

 public:
  explicit HeaderPageView(QWidget* parent = nullptr);

  // Fills the page from the collection read in `loadSeconds`; nullptr empties it.
  void Show(WABSCollection* collection, double loadSeconds);
  QTableWidget* HeaderGrid() const { return header_; }
  QTableWidget* SubmitterGrid() const { return submitter_; }
  QTableWidget* Statistics() const { return statistics_; }

 private:
  void Fill() override;

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
