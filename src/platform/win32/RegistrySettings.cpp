#include <windows.h>

#include <vector>

#include "platform/PlatformSettings.h"
#include "platform/win32/WideText.h"

namespace kuitti {

namespace {

// Where the classic settings API of Windows programs keeps an application's sections and keys,
// and where the point-of-sale installation has stored the setting.
constexpr wchar_t kSectionKey[] = L"Software\\VB and VBA Program Settings\\Velkamora Oy\\Asiakas";
constexpr wchar_t kValueName[] = L"Datat";
// A text, exactly as stored: a REG_EXPAND_SZ is neither expanded nor read.
constexpr DWORD kTextOnly = RRF_RT_REG_SZ | RRF_NOEXPAND;

}  // namespace

std::string ReadDataPathSetting() {
  DWORD size = 0;
  LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, kSectionKey, kValueName, kTextOnly, nullptr,
                                  nullptr, &size);
  std::vector<wchar_t> value;
  // The value may grow between the two calls; ask again with its new size.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    value.assign(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    status = ::RegGetValueW(HKEY_CURRENT_USER, kSectionKey, kValueName, kTextOnly, nullptr,
                            value.data(), &size);
    if (status == ERROR_SUCCESS) {
      return Utf8FromWide(value.data());
    }
  }
  return {};
}

std::string DataPathSettingSource() {
  return "rekisteriarvosta HKEY_CURRENT_USER\\" + Utf8FromWide(kSectionKey) + "\\" +
         Utf8FromWide(kValueName);
}

std::string_view PathSeparators() {
  return "\\/";
}

NumberFormat RegionalNumberFormat() {
  // The user's own choice in the regional settings, also when it differs from the locale's.
  wchar_t separator[LOCALE_NAME_MAX_LENGTH] = {};
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                        LOCALE_NAME_MAX_LENGTH) == 0) {
    return NumberFormat{};
  }
  return NumberFormat{Utf8FromWide(separator)};
}

}  // namespace kuitti
