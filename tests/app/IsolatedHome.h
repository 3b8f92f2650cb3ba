// A scratch folder that the data and configuration folders point into while it lives, so that a
// window test starts with no catalog, no exclusion list and no settings but one: the update check is
// off, so that no test reaches the network.
#pragma once

#include <stdlib.h>

#include "support/ScratchFolder.h"

namespace kinshelf::test {

struct IsolatedHome : ScratchFolder {
  IsolatedHome() {
    setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
    WriteFile("config/Orrinvale/Kinshelf1/Kinshelf.ini", "[General]\nNewsAddress=\n");
  }
};

}  // namespace kinshelf::test
