// A page of the details view over one collection.
#include "app/DetailsPage.h"

#include <exception>
#include <utility>

#include "model/FileChangedError.h"

namespace kinshelf {

void DetailsPage::Refill() {
  try {
    Fill();
  } catch (const FileChangedError& failure) {
    collection_ = nullptr;
    Fill();
    emit ReadFailed(QString::fromUtf8(failure.what()));
  } catch (const std::exception& failure) {
    // One record that cannot be read: the page is emptied, and the rest of the file can still be
    // shown.
    WABSCollection* const collection = std::exchange(collection_, nullptr);
    Fill();
    collection_ = collection;
    emit RecordFailed(QString::fromUtf8(failure.what()));
  }
}

}  // namespace kinshelf
