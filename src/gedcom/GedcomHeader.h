// What the header record of a GEDCOM file tells: its caption and value rows and its submitter.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/WGEDTextMMF.h"
#include "model/GenHeaderRec.h"

namespace kinshelf::gedcom {

using Converter = std::function<std::string(std::string_view)>;

// The rows of the header at `header`, in the order of its lines, every one of them: the level-1
// SOUR, DEST, DATE (with the TIME of the next line), FILE and CHAR lines, the NAME, VERS, CORP and
// ADDR lines below SOUR, and the level-2 VERS and FORM lines right below GEDC. Values pass through
// `convert`, except the appended time. Empty for no header.
std::vector<GenHeaderRec> HeaderInfo(const WGEDTextMMF& text, const char* header, const Converter& convert);

// The identifier the first level-1 SUBM line of the header points to; empty without one.
std::string_view SubmitterId(const WGEDTextMMF& text, const char* header);

}  // namespace kinshelf::gedcom
