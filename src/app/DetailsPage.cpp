// A page of the details view over one collection.
#include "app/DetailsPage.h"

#include <exception>

namespace kinshelf {

void DetailsPage::Refill() {
  try {
    Fill();
  } catch (const std::exception& failure) {
    collection_ = nullptr;
    Fill();
    emit ReadFailed(QString::fromUtf8(failure.what()));
  }
}

}  // namespace kinshelf
