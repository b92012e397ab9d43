#include <fstream>

#include "cli/Platform.h"

namespace kuitti::test {

UserSetting::UserSetting(std::filesystem::path home) : home_(std::move(home)) {
  std::filesystem::create_directories(home_ / "config");
}

UserSetting::~UserSetting() {
  std::error_code ignored;
  std::filesystem::remove(home_ / "config" / "Velkamora Oy.ini", ignored);
}

void UserSetting::Write(const std::string& dataPath) const {
  std::ofstream ini(home_ / "config" / "Velkamora Oy.ini");
  ini << "[Asiakas]\nDatat=" << dataPath << "\n";
}

std::vector<std::string> UserSetting::Environment() const {
  return {"HOME=" + home_.string(), "XDG_CONFIG_HOME=" + (home_ / "config").string()};
}

std::string UserSetting::Source() const {
  return "asetustiedoston " + (home_ / "config" / "Velkamora Oy.ini").string() +
         " osion [Asiakas] asetuksesta Datat";
}

}  // namespace kuitti::test
