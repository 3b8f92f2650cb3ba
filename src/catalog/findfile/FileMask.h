// The name rules of the file search: "*.*"-style masks and reject masks. Pure functions on texts;
// they touch no disk. Letters are compared after lower-casing ASCII; other bytes compare as they are.
#pragma once

#include <string_view>

namespace kinshelf {

// Whether a file name matches a mask. Both split into base and extension at their last dot. A mask
// without a dot is matched against the name's base only. Otherwise extensions must match (a name
// without a dot counts as having the extension ".") and bases must match. "?" takes any one byte,
// "*" accepts whatever remains of that part; a name part that ends early still matches when the rest
// of the mask is only "*" and "?". So "*.*" matches every name and "ab*xyz" every name starting "ab".
bool MaskMatches(std::string_view name, std::string_view mask);

// Whether two masks are the same without regard to ASCII case.
bool SameMask(std::string_view a, std::string_view b);

// Whether a reject mask rejects the entry `name` found in `folder` (which ends with "/"). The
// entry's folder part (up to its last "/") must be a tail of `folder`, as text; its name part must
// match `name` as a mask. A missing folder part matches every folder; a missing name part every name.
bool RejectMaskMatches(std::string_view rejectMask, std::string_view folder, std::string_view name);

}  // namespace kinshelf
