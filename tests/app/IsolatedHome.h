// A scratch folder that the data and configuration folders point into while it lives, so that a
// window test starts with no catalog, no settings and no exclusion list.
#pragma once

#include <stdlib.h>

#include "support/ScratchFolder.h"

namespace kinshelf::test {

struct IsolatedHome : ScratchFolder {
  IsolatedHome() {
    setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
  }
};

}  // namespace kinshelf::test
