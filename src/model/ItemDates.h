// The display date and the sort date of an event or a marriage. The owner builds them on first use
// and keeps them, so pointers handed out stay valid as long as the owner lives.
#pragma once

#include <memory>

namespace kinshelf {

class WDate;

class ItemDates {
 public:
  ItemDates();
  ItemDates(const ItemDates&) = delete;
  ItemDates& operator=(const ItemDates&) = delete;
  ~ItemDates();

  bool DisplayLoaded() const { return displayLoaded_; }
  bool SortLoaded() const { return sortLoaded_; }
  // The dates, nullptr when none was set.
  const WDate* Display() const { return display_.get(); }
  const WDate* Sort() const { return sort_; }

  // Keeps the first display date set; a later one is dropped, so earlier pointers stay valid.
  void SetDisplay(std::unique_ptr<WDate> date);
  void MarkDisplayLoaded() { displayLoaded_ = true; }
  // Keeps the first sort date set, owned apart from the display date.
  void SetSort(std::unique_ptr<WDate> date);
  // Makes the display date the sort date too (one object, owned once).
  void ShareDisplayAsSort();
  void MarkSortLoaded() { sortLoaded_ = true; }

 private:
  std::unique_ptr<WDate> display_;
  std::unique_ptr<WDate> ownSort_;
  const WDate* sort_ = nullptr;
  bool displayLoaded_ = false;
  bool sortLoaded_ = false;
};

}  // namespace kinshelf
