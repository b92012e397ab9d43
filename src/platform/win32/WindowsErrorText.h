#pragma once

#include <string>

namespace kuitti {

// Windows' own description of an error code, in the user's language, without the trailing
// line break; a Finnish line with the number when Windows has none.
std::string WindowsErrorText(unsigned long code);

}  // namespace kuitti
