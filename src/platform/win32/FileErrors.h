#pragma once

#include <string>

#include "platform/FileErrorTexts.h"

namespace kuitti {

// The numbered error, naming the file, for a Windows error code of opening it: the same
// numbers and texts as on Linux where the cause is the same.
RuntimeError FileOpenError(unsigned long windowsError, const std::string& path);

}  // namespace kuitti
