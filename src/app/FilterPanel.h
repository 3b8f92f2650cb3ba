// The side panel's filters: the name filter (applied on Enter, cleared by its button), one check box
// per file kind with the number of catalogued files of the kind beside it, and "Show only bookmarked
// files". The boxes are stored in the settings whenever the user changes one.
#pragma once

#include <QGroupBox>
#include <array>
#include <string>

#include "catalog/FileKinds.h"
#include "catalog/store/ListingFilter.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kinshelf {

class WFileStore;
class WOptions;

class FilterPanel final : public QGroupBox {
  Q_OBJECT

 public:
  // Reads and stores the boxes' settings in `options`, which must outlive the panel.
  explicit FilterPanel(WOptions& options, QWidget* parent = nullptr);

  // Sets the boxes from the settings without telling anyone.
  void LoadSettings();
  // The filter the controls describe; sort column and direction are left as `sorting` has them.
  ListingFilter Filter(const ListingFilter& sorting) const;
  // Shows the number of listed files in the title and the catalog's count of each kind.
  void ShowCounts(std::int32_t listed, WFileStore& store);
  // Moves the keyboard focus to the name filter.
  void FocusNameFilter();

 signals:
  // The user changed a box, applied a name filter or cleared it.
  void FilterChanged();

 private:
  void BoxClicked();
  void ApplyName();
  void ClearName();

  WOptions& options_;
  QLineEdit* name_;
  std::string nameFilter_;
  std::array<QCheckBox*, kFileKinds.size()> kindBoxes_{};
  std::array<QLabel*, kFileKinds.size()> kindCounts_{};
  QCheckBox* bookmarks_;
  bool loading_ = false;
};

}  // namespace kinshelf
