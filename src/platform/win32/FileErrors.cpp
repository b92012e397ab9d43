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
      return RuntimeError(kFileNotFound, "Tiedostoa ei löydy: " + path);
    case ERROR_ACCESS_DENIED:
      return RuntimeError(kPermissionDenied, "Ei lukuoikeutta tiedostoon: " + path);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return RuntimeError(kPermissionDenied,
                          "Toinen ohjelma on varannut tiedoston itselleen: " + path);
    default:
      return RuntimeError(kPathFileAccessError, "Tiedostoa ei voi avata: " + path +
                                                    " (Windows-virhe " +
                                                    std::to_string(windowsError) + ")");
  }
}

RuntimeError NotAPlainFileError(const std::string& path) {
  return RuntimeError(kPathFileAccessError, "Ei tavallinen tiedosto: " + path);
}

RuntimeError FileReadError(const std::string& path) {
  return RuntimeError(kDeviceIoError, "Tiedoston lukuvirhe: " + path);
}

}  // namespace kuitti
