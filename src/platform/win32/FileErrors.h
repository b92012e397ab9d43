#pragma once

#include <string>

#include "RuntimeError.h"

namespace kuitti {

// The numbered error, naming the file, for a Windows error code of opening it: the same
// numbers and texts as on Linux where the cause is the same.
RuntimeError FileOpenError(unsigned long windowsError, const std::string& path);

// The error for a path that opened but is no plain file (a directory, a pipe, a device).
RuntimeError NotAPlainFileError(const std::string& path);

// The error for a failed read or length of an open file.
RuntimeError FileReadError(const std::string& path);

}  // namespace kuitti
