// The details view's individual page: the sex and modified date of the selector's individual and
// every fact row of the core's IndividualPage (or, in raw mode, the record's text), with the
// selected row's sources and notes below. Check boxes switch the LDS rows and the chronological
// order (the UseLDS and Chrono settings). A double click on a row that names a relative asks to go
// there.
#pragma once

#include <cstdint>
#include <vector>

#include "app/DetailsPage.h"
#include "model/pages/IndividualPage.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QTableWidget;

namespace kinshelf {

class WABSCollection;
class WOptions;

class IndividualPageView final : public DetailsPage {
  Q_OBJECT

 public:
  IndividualPageView(WOptions& options, QWidget* parent = nullptr);

  // Shows individual `index` of the collection; nullptr or no such individual empties the page.
  void Show(WABSCollection* collection, std::int32_t index);
  const IndividualPage& Page() const { return page_; }
  QTableWidget* Facts() const { return facts_; }

 signals:
  void JumpTo(std::int32_t individual);

 private:
  void Fill() override;
  void ShowRow(int row);
  void SettingToggled(QCheckBox* box, int setting);

  WOptions& options_;
  std::int32_t index_ = 0;
  IndividualPage page_;
  QLabel* sex_;
  QLabel* modified_;
  QCheckBox* raw_;
  QCheckBox* lds_;
  QCheckBox* chrono_;
  QStackedWidget* stack_;
  QTableWidget* facts_;
  QPlainTextEdit* record_;
  QPlainTextEdit* sources_;
  QPlainTextEdit* notes_;
};

}  // namespace kinshelf
