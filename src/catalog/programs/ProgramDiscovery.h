// Finding the installed genealogy programs for the program settings that are still empty: the
// Windows programs in the Wine prefix (its Program Files folders and its machine-wide registry),
// native programs on the search path.
#pragma once

#include <string>

#include "catalog/FileKinds.h"
#include "settings/WOptions.h"

namespace kinshelf {

// What discovery looks at, so that it can be pointed at a made-up machine.
struct ProgramEnvironment {
  std::string winePrefix;     // the Wine prefix folder (system.reg, drive_c, dosdevices)
  std::string searchPath;     // folders separated by ":", as in $PATH
  std::string programFolder;  // the folder of this program's own executable

  // This machine: platform::WinePrefix(), $PATH, the folder of /proc/self/exe.
  static ProgramEnvironment Current();
};

// Fills every empty program setting that a probe finds a program for, in this order:
//  1. AppPedora: <Program Files>\orrinvale\pedora\pedora.exe, else pedoralite.exe in the program's
//     folder; what it finds also fills AppGed when that is empty, so GEDCOM files open in the viewer.
//  2. AppLeg: C:\legacy\legacy.exe when it exists; else the first of the registry keys
//     Software\Millennia Corporation\Legacy 7.5, 7.0, 6.0, 5.0, 4.0, 3.0 that opens gives its
//     InstallPath value + "\legacy.exe", whether or not that file exists (a key without the value
//     finds nothing).
//  3. AppRM, AppPAF, AppFTM, AppAQ, AppHFT, App2, AppTMG: the first of their fixed paths below the
//     Program Files folders that exists.
//  4. AppGed, when still empty: gramps on the search path.
// The Program Files folders are the registry's ProgramFilesDir values (native and 32-bit view),
// then C:\Program Files and C:\Program Files (x86); each candidate path is tried in each of them.
// Found paths are stored as Linux paths. A setting that is not empty is never probed, even when the
// file it names is gone; a probe that finds nothing leaves its setting empty. Returns whether any
// setting was filled. Reads system.reg at most once, and only when a probe needs it.
bool DiscoverPrograms(WOptions& options,
                      const ProgramEnvironment& environment = ProgramEnvironment::Current());

// The program set for files of the kind. When none is set yet, first looks for the installed
// programs as DiscoverPrograms does and saves the settings when it filled any, as start-up does.
// Empty when no program is found, and for a kind no program opens.
std::string ProgramForKind(WOptions& options, FileKind kind,
                           const ProgramEnvironment& environment = ProgramEnvironment::Current());

}  // namespace kinshelf
