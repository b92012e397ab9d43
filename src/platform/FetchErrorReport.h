#pragma once

#include <QString>

#include "RuntimeError.h"

namespace kuitti {

// What the user reads when a fetch fails: "Virhe N: description". When a data file is missing
// (error 53) and the data directory setting is empty or does not end with "/", a second line
// says where the setting lives and what its value must look like: the usual first-day fault.
QString FetchErrorReport(const RuntimeError& error, const QString& dataPathSetting);

}  // namespace kuitti
