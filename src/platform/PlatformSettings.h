#pragma once

#include <QString>

#include "NumberFormat.h"

namespace kuitti {

// The data directory setting: organisation "Velkamora Oy", group "Asiakas", key "Datat", in
// the per-user INI store ($XDG_CONFIG_HOME/Velkamora Oy.ini). Read only; the empty text when
// missing; the value exactly as stored.
QString ReadDataPathSetting();

// The full path of that INI file, whether or not it exists.
QString SettingsFilePath();

// The user's regional number settings, from LC_ALL, LC_NUMERIC or LANG, whether or not that
// locale is installed on the machine.
NumberFormat RegionalNumberFormat();

}  // namespace kuitti
