#include "platform/win32/FileErrors.h"

#include <windows.h>

namespace kuitti {

RuntimeError FileOpenError(unsigned long windowsError, const std::string& path) {
  switch (windowsError) {
    case ERROR_FILE_NOT_FOUND:
      return FileError(FileProblem::kNotFound, path);
    case ERROR_PATH_NOT_FOUND:  // also a part of the data directory that is a file
      return FileError(FileProblem::kFolderMissing, path);
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:   // no such server, or none that answers
    case ERROR_BAD_NET_NAME:  // no such share on the server
    case ERROR_NETWORK_UNREACHABLE:
    case ERROR_HOST_UNREACHABLE:
      return FileError(FileProblem::kFolderUnreachable, path);
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
