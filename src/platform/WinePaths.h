// Windows paths of the programs that run under Wine, and the Linux paths behind them.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf::platform {

// The Linux path of a Windows path inside a Wine prefix: "C:\Legacy\legacy.exe" becomes
// <prefix>/drive_c/Legacy/legacy.exe; another drive letter x goes through <prefix>/dosdevices/x:
// when that exists, else <prefix>/drive_x. Both "\" and "/" separate parts; empty parts and "."
// are dropped, ".." climbs but never above the drive. As Wine does, each part that does not exist
// as written takes the name of an entry of its folder that differs only in ASCII case; parts that
// match nothing are kept as written. Empty when the path does not start with a drive letter and ":".
std::string PrefixPathOf(const std::string& prefix, std::string_view windowsPath);

// The path by which a program under Wine reaches a Linux file: "Z:" followed by the path with each
// "/" turned into "\" (Wine's drive Z: is the Linux root).
std::string WinePathOf(std::string_view linuxPath);

}  // namespace kinshelf::platform
