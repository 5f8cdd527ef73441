// Where files named the Windows way are found on this system: the settings
// folder for profile files named without a folder, the drive root for paths
// such as "\Velmora4\BIN\Velmora4.INI", and letter-case-blind lookup.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The user's settings folder: $XDG_CONFIG_HOME/kestrian, or
// ~/.config/kestrian when XDG_CONFIG_HOME is unset or not absolute. The
// folder is not created here.
std::string SettingsFolder();

// The root of the current drive: the folder named by KESTRIAN_DRIVE_ROOT, or
// "/" when that variable is unset or empty. Never ends in "/" except for "/".
std::string DriveRoot();

// Maps a Windows path to a path here. A drive letter ("C:") is dropped and
// backslashes become slashes; a rooted path ("\Velmora4\BIN") is placed under
// DriveRoot(), a relative one stays relative to the current directory. Each
// component that exists is found whatever its letter case (see
// MatchPathCase). Empty input gives "".
std::string ResolveDrivePath(std::string_view windowsPath);

// Returns `path` with every existing component replaced by the spelling on
// disk when it exists only in another letter case. Components below the first
// one that cannot be found are kept as given. When several entries of a folder
// match, the exact spelling wins, else the first in byte order.
std::string MatchPathCase(std::string_view path);

// The short (8.3) form of a path: the path itself when the file or folder
// exists, "" otherwise.
std::string ShortPathName(std::string_view path);

// The current directory, "" when it cannot be determined.
std::string CurrentDirectory();

}  // namespace rt
