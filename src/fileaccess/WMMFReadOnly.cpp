// An existing file mapped whole for reading only.
#include "fileaccess/WMMFReadOnly.h"

namespace kinshelf {

WMMFReadOnly::WMMFReadOnly(const std::string& fileName) : WMMF(fileName, 0, kModeRead | kShareDenyNone) {}

bool WMMFReadOnly::Damaged() const {
  return View().Damaged();
}

bool WMMFReadOnly::LostPages() const {
  return View().LostPages();
}

void WMMFReadOnly::ReleaseResidentPages() const {
  View().ReleaseResidentPages();
}

}  // namespace kinshelf
