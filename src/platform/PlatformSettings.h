#pragma once

#include <string>
#include <string_view>

#include "receipt/NumberFormat.h"

namespace kuitti {

// The data directory setting: application "Velkamora Oy", section "Asiakas", key "Datat", in
// the platform's per-user store (the INI file $XDG_CONFIG_HOME/Velkamora Oy.ini, or the
// registry on Windows). Read only; UTF-8; the empty text when missing; the value exactly as
// stored.
std::string ReadDataPathSetting();

// Where that setting is read from, as the advice on a missing data file names it.
std::string DataPathSettingSource();

// The path separators a usable data directory ends with; the first is the one to add.
std::string_view PathSeparators();

// The user's regional number settings.
NumberFormat RegionalNumberFormat();

}  // namespace kuitti
