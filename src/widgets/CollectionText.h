// A text of a collection (in the collection's own encoding, lines broken with CR LF) as the
// window shows it.
#pragma once

#include <QString>
#include <string_view>

namespace kinshelf {

class WABSCollection;

QString DisplayText(const WABSCollection& collection, std::string_view text);

}  // namespace kinshelf
