#include "FileErrors.h"

#include <windows.h>

namespace kuitti {

RuntimeError FileOpenError(unsigned long windowsError, const std::string& path) {
  switch (windowsError) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:  // also a part of the data directory that is a file
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:   // no such server
    case ERROR_BAD_NET_NAME:  // no such share on the server
      return FileError(FileProblem::kNotFound, path);
    case ERROR_ACCESS_DENIED:
      return FileError(FileProblem::kNoReadPermission, path);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FileError(FileProblem::kHeldByAnotherProgram, path);
    default:
      return FileError(FileProblem::kCannotOpen, path,
                       "Windows-virhe " + std::to_string(windowsError));
  }
}

}  // namespace kuitti
