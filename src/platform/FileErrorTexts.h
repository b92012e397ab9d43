#pragma once

#include <string>
#include <string_view>

#include "data/RuntimeError.h"

namespace kuitti {

// What can go wrong with a data file, the same on every platform; each file layer decides
// which of them its system's error is.
enum class FileProblem {
  kNotFound,  // also a part of the data directory that is a file
  kNoReadPermission,
  kHeldByAnotherProgram,  // a share mode or lock of another program (Windows)
  kCannotOpen,            // any other reason the file does not open
  kNotAPlainFile,         // a directory, a pipe or a device
  kReadFailed,            // a read or the length of an open file
  kFolderMissing,         // the file's folder does not exist
  kFolderUnreachable,     // its drive, server or share cannot be reached
};

// The numbered error naming the file, or for a problem of its folder the folder (the path up to
// its last separator), in Finnish; `detail`, when given, follows in parentheses ("Tiedostoa ei
// voi avata: PATH (Windows-virhe 21)").
RuntimeError FileError(FileProblem problem, const std::string& path, std::string_view detail = {});

// The path up to and with its last separator ("/" or "\\"); empty for a bare file name.
std::string FolderOf(const std::string& path);

}  // namespace kuitti
