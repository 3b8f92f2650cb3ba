// An existing file mapped whole for reading only.
#include "fileaccess/WMMFReadOnly.h"

namespace kinshelf {

WMMFReadOnly::WMMFReadOnly(const std::string& fileName) : WMMF(fileName, 0, kModeRead | kShareDenyNone) {}

std::span<const unsigned char> WMMFReadOnly::Bytes() const {
  return {Memory(), static_cast<std::size_t>(Size())};
}

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
