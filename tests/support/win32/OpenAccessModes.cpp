// Windows has no /proc: the open handles on a file show in the share modes that a second
// open of it is refused. An open that shares nothing succeeds only when no handle is open; one
// that shares reading but not writing, only when no open handle may write.

#include <fcntl.h>
#include <windows.h>

#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

bool Opens(const std::filesystem::path& file, DWORD shareMode) {
  const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ, shareMode, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return false;
  }
  ::CloseHandle(handle);
  return true;
}

}  // namespace

std::map<std::string, int> OpenAccessModes(const std::filesystem::path& directory) {
  std::map<std::string, int> modes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
    if (!entry.is_regular_file() || Opens(entry.path(), 0)) {
      continue;
    }
    const bool readOnly = Opens(entry.path(), FILE_SHARE_READ | FILE_SHARE_DELETE);
    modes[entry.path().filename().string()] = readOnly ? O_RDONLY : O_RDWR;
  }
  return modes;
}

}  // namespace kuitti::test
