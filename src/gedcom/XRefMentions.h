// Finds where a text mentions given cross-reference identifiers: an '@' that opens one of them (the
// identifier follows it, then an '@' or a NUL, as GetXRef reads it). The text is cut into pieces
// searched on every core; the mentions come back in text order. It is how the few records that
// point at a record are found without building every link.
#pragma once

#include <string_view>
#include <vector>

#include "gedcom/WGEDTextMMF.h"

namespace kinshelf::gedcom {

// The '@' of the first mention of the identifiers (none empty) between each two record starts
// (lines that begin with '0'), in text order, and of the first one in each piece: every record
// holding a line whose value GetXRef reads as one of them has a mention between its start and the
// next. Stops early, with what it found, when the cancel flag is set.
std::vector<const char*> FindXRefMentions(const WGEDTextMMF& text,
                                          const std::vector<std::string_view>& identifiers);

}  // namespace kinshelf::gedcom
