#pragma once

#include <string>

#include "data/RuntimeError.h"

namespace kuitti {

// What the user reads when a fetch fails: "Virhe N: description". When a data file is missing
// (error 53) or its folder is (76) and the data directory setting is empty or does not end with
// a path separator, a second line says where the setting lives and what its value must look
// like: the usual first-day fault. A folder that does not exist or cannot be reached under a
// well-formed setting gets a line naming where the setting lives and its value, for IT to mend.
std::string FetchErrorReport(const RuntimeError& error, const std::string& dataPathSetting);

// The same for the command line, where a data directory given with --data leaves the setting
// out of it: then the report alone.
std::string FetchErrorReport(const RuntimeError& error, const std::string& dataPath,
                             bool pathFromSetting);

}  // namespace kuitti
