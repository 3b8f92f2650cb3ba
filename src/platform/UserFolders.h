// The folders of the user: data, configuration and temporary files, and the program's own folders in them.
#pragma once

#include <string>

namespace kinshelf::platform {

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::string DataHome();
// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::string ConfigHome();
// $TMPDIR when set, else /tmp.
std::string TempFolder();
// The Wine prefix that the Windows genealogy programs live in: $WINEPREFIX when it is an absolute
// path (Wine refuses any other), else ~/.wine. Not checked for existence.
std::string WinePrefix();

// <data>/Orrinvale/FileStore: the catalog database and the exclusion list. Not created here.
std::string CatalogFolder();
// <config>/Orrinvale/Kinshelf1: the settings file and the news file. Not created here.
std::string SettingsFolder();

// Creates the folder and every missing folder above it. Throws std::runtime_error naming the folder.
void ForceDirectories(const std::string& folder);

}  // namespace kinshelf::platform
