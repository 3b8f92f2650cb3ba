// The reader-level format of a file, as its extension tells it: which reader could read it.
#pragma once

namespace kinshelf {

// The numbers are the format codes the formats have always had; 3 names no format.
enum class ReaderFormat : int {
  kUnknown = 0,  // also: let the factory decide by the extension
  kGedcom = 1,
  kPaf = 2,
  kFamilyTreeMaker = 4,
  kTmg = 5,
  kMasterGenealogistProject = 6,
  kRootsMagic = 7,
};

}  // namespace kinshelf
