// The details view's family page for the selector's individual: six panels (the individual, the
// spouse of the family shown, and the parents of both), "Next Spouse" with its "(n of m)" label, a
// "+" beside each parent who has parents of their own, the children and the marriage's date and
// place. The page is the core's FamilyPage. A double click on a panel or a child asks to go there.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/DetailsPage.h"
#include "model/pages/FamilyPage.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kinshelf {

class TIndInfoPanel;
class WABSCollection;

class FamilyPageView final : public DetailsPage {
  Q_OBJECT

 public:
  // The panels, in the order the page names them.
  enum Panel { kSubject, kSpouse, kFather, kMother, kSpouseFather, kSpouseMother, kPanelCount };

  explicit FamilyPageView(QWidget* parent = nullptr);

  // Shows the first spouse family of individual `index`; nullptr empties the page.
  void Show(WABSCollection* collection, std::int32_t index);
  // Shows the individual's next spouse family, after the last the first again.
  void NextSpouse();
  const FamilyPage& Page() const { return page_; }
  TIndInfoPanel* PanelAt(Panel panel) const { return panels_[panel]; }

 signals:
  void JumpTo(std::int32_t individual);

 private:
  void Fill() override;
  void FillPanel(Panel panel, const std::optional<PersonPanel>& person);
  QWidget* WithPlus(Panel panel);

  std::int32_t index_ = 0;
  std::int32_t position_ = 1;
  FamilyPage page_;
  std::array<TIndInfoPanel*, kPanelCount> panels_{};
  std::array<std::int32_t, kPanelCount> shown_{};
  std::array<QPushButton*, kPanelCount> plus_{};
  QPushButton* nextSpouse_;
  QLabel* spouseCount_;
  QLabel* marriage_;
  QTableWidget* children_;
};

}  // namespace kinshelf
