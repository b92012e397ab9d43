#include <windows.h>

#include <stdexcept>

#include "cli/Platform.h"
#include "platform/win32/WideText.h"

namespace kuitti::test {
namespace {

// Written here as the point-of-sale installation writes it, independently of the program.
constexpr wchar_t kSection[] = L"Software\\VB and VBA Program Settings\\Velkamora Oy\\Asiakas";

void RemoveSetting() {
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSection, L"Datat");
}

}  // namespace

UserSetting::UserSetting(std::filesystem::path home) : home_(std::move(home)) {
  RemoveSetting();
}

UserSetting::~UserSetting() {
  RemoveSetting();
}

void UserSetting::Write(const std::string& dataPath) const {
  const std::wstring value = WideFromUtf8(dataPath);
  const LSTATUS status =
      ::RegSetKeyValueW(HKEY_CURRENT_USER, kSection, L"Datat", REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error("cannot write the setting to the registry");
  }
}

std::vector<std::string> UserSetting::Environment() const {
  return {};
}

std::string UserSetting::Source() const {
  return "rekisteriarvosta HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"
         "Velkamora Oy\\Asiakas\\Datat";
}

}  // namespace kuitti::test
