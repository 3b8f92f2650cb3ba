// The last-write time of a collection's file as its header page shows it.
#pragma once

#include <string>

namespace kinshelf {

// "dd mmm yyyy, h:mm AM/PM" in local time; empty when the file's time can't be read.
std::string FileDateText(const std::string& path);

}  // namespace kinshelf
