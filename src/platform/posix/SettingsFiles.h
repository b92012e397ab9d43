#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kuitti {

// Where QSettings (Qt 6.4, IniFormat) looks for the file of an organisation's settings on Linux,
// named as its fileName() names them: absolute, with "." and ".." taken out as QDir::cleanPath
// takes them out, a relative directory taken from the current one.

// The user's file: in $XDG_CONFIG_HOME when it is set, else in $HOME/.config ("/" without a home).
std::string UserSettingsFile(std::string_view fileName);

// The files asked after the user's, in order: one in each directory of $XDG_CONFIG_DIRS (an
// empty entry standing for "/"), or in /etc/xdg when that is not set.
std::vector<std::string> SystemSettingsFiles(std::string_view fileName);

}  // namespace kuitti
