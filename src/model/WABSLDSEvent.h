// An LDS ordinance: baptism, endowment, sealing to parents, or a couple's sealing to spouse.
// It adds nothing to WABSEvent; readers derive their ordinances from it and keep their own fields
// (temple, status) as members.
#pragma once

#include "model/WABSEvent.h"

namespace kinshelf {

class WABSLDSEvent : public WABSEvent {
 protected:
  explicit WABSLDSEvent(EventKind kind) : WABSEvent(kind) {}
};

}  // namespace kinshelf
