// The catalog grid's colours.
#pragma once

#include <QColor>

namespace kinshelf::colors {

// The header's gradient ends in this blue; the sorted column's cells are tinted with the pale one.
inline const QColor kHeaderBlue(0xA6, 0xCA, 0xF0);
inline const QColor kSortedColumn(0xF1, 0xF5, 0xFB);

}  // namespace kinshelf::colors
