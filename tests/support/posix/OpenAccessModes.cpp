#include <fcntl.h>

#include <fstream>

#include "support/DataFiles.h"

namespace kuitti::test {

std::map<std::string, int> OpenAccessModes(const std::filesystem::path& directory) {
  std::map<std::string, int> modes;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(fd.path(), error);
    if (error || !target.string().starts_with(directory.string())) {
      continue;
    }
    std::ifstream info("/proc/self/fdinfo/" + fd.path().filename().string());
    std::string key;
    std::string value;
    while (info >> key >> value) {
      if (key == "flags:") {
        modes[target.filename().string()] = std::stoi(value, nullptr, 8) & O_ACCMODE;
      }
    }
  }
  return modes;
}

}  // namespace kuitti::test
