// The text of the exclusion file "Exclude.xml":
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <Root>
//     <Item>
//       <IsPath>T</IsPath>        T: a folder entry, F: a file entry
//       <Path>/data/old</Path>    the folder or the file's full path
//       <Sub>T</Sub>              T: the folders below are excluded too
//     </Item>
//   </Root>
//
// One Item per entry in list order; every element is written; lines end with CR LF.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/exclusions/WFileExcludeItem.h"

namespace kinshelf {

// The entries of a file's text. Every direct child of the root element named "Item" (any case) is an
// entry, in document order; its children "IsPath", "Path" and "Sub" are found in any case too. A missing
// IsPath or Sub reads as false, a missing Path as empty; a boolean text starting with T or Y (any case)
// is true, anything else false. A text that declares windows-1252, cp1252, ISO-8859-1 or latin1 is
// converted from Windows-1252 to UTF-8 first; any other text is taken as UTF-8 bytes, unchecked.
// An empty or blank text is an empty list. Throws std::runtime_error naming `sourceName` for text
// that is not well-formed (with the parser's reason and the byte offset) and for text whose root
// element is not "Root" (any case) or that holds a NUL byte.
std::vector<WFileExcludeItem> ParseExcludeXml(std::string_view xml, std::string_view sourceName);

// The file's text for the entries. Paths are written byte for byte, so a path that is not UTF-8
// reads back unchanged; "&", "<", ">" and control characters (CR and LF included) are escaped.
std::string RenderExcludeXml(std::span<const WFileExcludeItem> items);

}  // namespace kinshelf
