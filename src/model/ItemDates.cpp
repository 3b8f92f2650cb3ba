// The display date and the sort date of an event or a marriage.
#include "model/ItemDates.h"

#include <utility>

#include "model/dates/WDate.h"

namespace kinshelf {

ItemDates::ItemDates() = default;

ItemDates::~ItemDates() = default;

void ItemDates::SetDisplay(std::unique_ptr<WDate> date) {
  if (display_ == nullptr) display_ = std::move(date);
}

void ItemDates::SetSort(std::unique_ptr<WDate> date) {
  if (sort_ != nullptr) return;
  ownSort_ = std::move(date);
  sort_ = ownSort_.get();
}

void ItemDates::ShareDisplayAsSort() {
  if (sort_ == nullptr) sort_ = display_.get();
}

}  // namespace kinshelf
