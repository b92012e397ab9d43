#pragma once

#include <string>

namespace kuitti {

// The regional number settings that the copy depends on.
struct NumberFormat {
  std::string decimalSeparator = ",";
};

}  // namespace kuitti
