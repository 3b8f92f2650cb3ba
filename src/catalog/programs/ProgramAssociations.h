// The genealogy program that opens each kind of catalogued file, the maker's companion viewer
// Pedora, and starting them on a file. Finding the programs is ProgramDiscovery.h.
#pragma once

#include <string>
#include <string_view>

#include "catalog/FileKinds.h"

namespace kinshelf {

// The viewer's product page, offered when the viewer is not installed.
inline constexpr std::string_view kPedoraWebPage = "https://www.orrinvale.com/pedora";

// The catalog setting (an opt::Catalog id) that holds the program for files of the kind; -1 for
// kUnknown and codes outside 1..9.
int ProgramSettingForKind(FileKind kind);
// The program's name as "Open file with " shows it ("Gedcom", "Heritage", "TMG"); empty for
// kUnknown and codes outside 1..9.
std::string ProgramNameForKind(FileKind kind);
// The key of that setting in the settings file ("AppGed"); empty for kUnknown and codes outside
// 1..9.
std::string_view ProgramSettingKey(FileKind kind);

// Whether "View with Pedora" is enabled for the selected file. With no viewer set it is enabled,
// so that the user can be offered the product page; a missing file disables it; otherwise the kind
// decides, and the extension (compared without regard to ASCII case) for Family Tree Maker ("ftm"
// files are not viewable) and RootsMagic ("rmgc" files are not). kUnknown or an unknown code keeps
// `current`.
bool PedoraEnabled(const std::string& appPedora, bool fileExists, FileKind kind, const std::string& extension,
                   bool current);

// A Windows program, to be started through Wine: its name ends in ".exe" in any case.
bool IsWindowsProgram(std::string_view program);

// Starts the program on the file, detached: a Windows program as "wine PROGRAM Z:\path\of\file",
// any other as "PROGRAM FILE", each an argument of its own (see platform::StartDetached). Returns
// false without starting anything when either is empty (errno EINVAL), when a Windows program given
// as a Linux path does not exist (ENOENT), or when the start fails (errno as StartDetached sets it).
// Throws std::runtime_error naming the file when a Windows program could not be given its name.
bool LaunchProgram(const std::string& program, const std::string& file);
// Opens the folder in the desktop's file browser (xdg-open). Returns false with errno set when
// xdg-open cannot be started.
bool OpenFolder(const std::string& folder);

}  // namespace kinshelf
