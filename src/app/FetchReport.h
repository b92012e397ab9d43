#pragma once

#include <string>

#include "platform/FetchErrorReport.h"

namespace kuitti {

// The platform's report of a failed fetch or search, for the shared steps: the one overload
// of FetchErrorReport that names the setting, as one function to pass.
inline std::string FetchReport(const RuntimeError& error, const std::string& dataPath) {
  return FetchErrorReport(error, dataPath);
}

}  // namespace kuitti
