// A vital or other event of an individual (birth, death, christening, burial, any other event).
// It adds nothing to WABSEvent; readers derive their individual events from it.
#pragma once

#include "model/WABSEvent.h"

namespace kinshelf {

class WABSVitEvent : public WABSEvent {
 protected:
  explicit WABSVitEvent(EventKind kind) : WABSEvent(kind) {}
};

}  // namespace kinshelf
