#include "app/win32/SavePdfDialog.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "app/Commands.h"
#include "app/win32/SystemDll.h"
#include "platform/win32/WideText.h"

namespace kuitti {

std::optional<std::string> AskPdfPathInDocuments(HWND owner, std::string_view proposedName) {
  const auto documentsFolder =
      SystemFunction<decltype(&SHGetFolderPathW)>(L"shell32.dll", "SHGetFolderPathW");
  const auto saveDialog =
      SystemFunction<decltype(&GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  if (!saveDialog) {
    return std::nullopt;
  }
  wchar_t documents[MAX_PATH] = L"";
  if (documentsFolder) {
    documentsFolder(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
  }
  const std::wstring name = WideFromUtf8(proposedName);
  std::vector<wchar_t> path(32768, L'\0');
  name.copy(path.data(), path.size() - 1);
  // Pairs of a description and a pattern, each ending in a NUL, the list in another.
  static constexpr wchar_t kFilter[] = L"PDF-tiedostot (*.pdf)\0*.pdf\0";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = documents;
  const std::wstring title = WideFromUtf8(kSavePdfDialogTitle);
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = L"pdf";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (!saveDialog(&dialog)) {
    return std::nullopt;
  }
  return Utf8FromWide(path.data());
}

}  // namespace kuitti
