#include <fstream>
#include <optional>
#include <sstream>

#include "platform/IniFileValue.h"
#include "platform/PlatformSettings.h"
#include "platform/posix/SettingsFiles.h"

namespace kuitti {

namespace {

// The point-of-sale installation's settings, as QSettings(IniFormat, UserScope, "Velkamora Oy")
// names them: no application part.
constexpr std::string_view kFileName = "Velkamora Oy.ini";
constexpr std::u16string_view kKey = u"Asiakas/Datat";

// A file that cannot be read holds no settings, as for QSettings.
std::optional<std::string> ValueInFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return IniFileValue(bytes.str(), kKey);
}

}  // namespace

std::string ReadDataPathSetting() {
  // The first file that holds the key answers, the user's before the system's.
  if (std::optional<std::string> value = ValueInFile(UserSettingsFile(kFileName))) {
    return *value;
  }
  for (const std::string& path : SystemSettingsFiles(kFileName)) {
    if (std::optional<std::string> value = ValueInFile(path)) {
      return *value;
    }
  }
  return {};
}

std::string DataPathSettingSource() {
  return "asetustiedoston " + UserSettingsFile(kFileName) + " osion [Asiakas] asetuksesta Datat";
}

std::string_view PathSeparators() {
  return "/";
}

}  // namespace kuitti
