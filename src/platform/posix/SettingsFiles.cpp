#include "platform/posix/SettingsFiles.h"

#include <cstdlib>
#include <filesystem>

namespace kuitti {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// QFileInfo::absoluteFilePath: a ".." above the root stays, as Qt leaves it.
std::string AbsoluteCleanPath(std::string path) {
  if (!path.starts_with('/')) {
    std::error_code error;
    path = std::filesystem::current_path(error).string() + "/" + path;
  }
  std::vector<std::string_view> parts;
  std::string_view rest = path;
  while (!rest.empty()) {
    const std::size_t slash = rest.find('/');
    const std::string_view part = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    if (part == ".." && !parts.empty() && parts.back() != "..") {
      parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
  }
  std::string clean;
  for (const std::string_view part : parts) {
    clean += "/";
    clean += part;
  }
  return clean.empty() ? "/" : clean;
}

}  // namespace

std::string UserSettingsFile(std::string_view fileName) {
  std::string directory = Environment("XDG_CONFIG_HOME");
  if (directory.empty()) {
    const std::string home = Environment("HOME");
    directory = (home.empty() ? "/" : home) + "/.config";
  }
  return AbsoluteCleanPath(directory + "/" + std::string(fileName));
}

std::vector<std::string> SystemSettingsFiles(std::string_view fileName) {
  std::string directories = Environment("XDG_CONFIG_DIRS");
  if (directories.empty()) {
    directories = "/etc/xdg";
  }
  std::vector<std::string> files;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = directories.find(':', start);
    files.push_back(
        AbsoluteCleanPath(directories.substr(start, colon - start) + "/" + std::string(fileName)));
    if (colon == std::string::npos) {
      return files;
    }
    start = colon + 1;
  }
}

}  // namespace kuitti
