// What the details view shows about a file: its header rows, its submitter and its statistics.
// Built once in the core, so that the desktop window and the command line show the same rows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/GenHeaderRec.h"

namespace kinshelf {

class WABSCollection;

struct HeaderPage {
  std::vector<GenHeaderRec> header;
  // Name, address lines 1 to 3, country, phone and e-mail; nothing without a submitter.
  std::optional<std::array<std::string, 7>> submitter;
  std::string fileName;  // without its folder
  std::string sizeText;
  std::string dateText;
  std::string loadTimeText;  // "%.3f seconds"
  std::int32_t individuals = 0;
  std::int32_t marriages = 0;
  std::int32_t notes = 0;
  std::int32_t sources = 0;
};

// The page of a loaded collection that took `loadSeconds` to read. Texts stay in the collection's
// encoding.
HeaderPage BuildHeaderPage(WABSCollection& collection, double loadSeconds);

}  // namespace kinshelf
