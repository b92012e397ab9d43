#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/PlatformSettings.h"
#include "platform/win32/WideText.h"

namespace kuitti::test {
namespace {

constexpr wchar_t kSection[] = L"Software\\VB and VBA Program Settings\\Velkamora Oy\\Asiakas";

// The value as the point-of-sale installation stores it; removed again afterwards.
class StoredValue {
 public:
  StoredValue() { Remove(); }
  ~StoredValue() { Remove(); }
  StoredValue(const StoredValue&) = delete;
  StoredValue& operator=(const StoredValue&) = delete;

  void Write(DWORD type, const std::wstring& value) const {
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kSection, L"Datat", type, value.c_str(),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
  void Remove() const {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSection, L"Datat");
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kSection);
  }
};

TEST(RegistrySetting, ReadExactlyAsStored) {
  const StoredValue stored;
  EXPECT_EQ(ReadDataPathSetting(), "") << "no key at all";

  struct Case {
    std::wstring value;
    std::string read;
  };
  const std::wstring longPath = L"\\\\?\\D:\\" + std::wstring(2000, L'k') + L"\\";
  const std::vector<Case> cases = {
      {L"D:\\Data\\", "D:\\Data\\"},
      {L"D:\\Data", "D:\\Data"},
      {L"\\\\kassa\\data\\", "\\\\kassa\\data\\"},
      {L"  D:\\Kassa data\\ ", "  D:\\Kassa data\\ "},
      {L"D:\\Kassa\\Myym\u00e4l\u00e4\\", "D:\\Kassa\\Myymälä\\"},
      {L"", ""},
      {longPath, Utf8FromWide(longPath)},
  };
  for (const Case& c : cases) {
    stored.Write(REG_SZ, c.value);
    EXPECT_EQ(ReadDataPathSetting(), c.read);
  }
  // A value of another kind, an expandable text too, is no data directory text: as if missing.
  stored.Write(REG_EXPAND_SZ, L"%USERPROFILE%\\Data\\");
  EXPECT_EQ(ReadDataPathSetting(), "");
  const DWORD number = 5;
  ASSERT_EQ(
      ::RegSetKeyValueW(HKEY_CURRENT_USER, kSection, L"Datat", REG_DWORD, &number, sizeof number),
      ERROR_SUCCESS);
  EXPECT_EQ(ReadDataPathSetting(), "");
}

TEST(RegistrySetting, TheAdviceNamesTheValueAndBothSeparators) {
  EXPECT_EQ(DataPathSettingSource(),
            "rekisteriarvosta HKEY_CURRENT_USER\\Software\\VB and VBA Program "
            "Settings\\Velkamora Oy\\Asiakas\\Datat");
  EXPECT_EQ(PathSeparators(), "\\/");
}

}  // namespace
}  // namespace kuitti::test
