// Reads the running kuittikopio.exe from outside, as the end-to-end test needs it:
//   window-probe copy      Text1's text, byte for byte (UTF-8, CR LF)
//   window-probe message   the text of the message box Form1 shows; status 1 when none
//   window-probe state     "windows=N iconic=0|1 visible=0|1 hae=0|1 tulosta=0|1"
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/Form1Window.h"
#include "platform/win32/WideText.h"

namespace {

// GetWindowText would give another process's edit box its caption, not its text.
std::string TextOf(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return kuitti::Utf8FromWide(text);
}

std::vector<HWND> TopLevelWindows(const wchar_t* windowClass) {
  struct Search {
    const wchar_t* windowClass;
    std::vector<HWND> found;
  } search{windowClass, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* search = reinterpret_cast<Search*>(context);
        wchar_t name[64]{};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) == search->windowClass) {
          search->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  // Byte for byte: in text mode CR LF would go out as CR CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
  const std::string what = argc == 2 ? argv[1] : "";
  const std::vector<HWND> forms = TopLevelWindows(kuitti::kForm1WindowClass);
  if (forms.empty()) {
    std::fputs("no Form1 window\n", stderr);
    return 2;
  }
  HWND form = forms.front();
  const auto control = [form](kuitti::Control control) {
    return GetDlgItem(form, kuitti::ControlId(control));
  };
  if (what == "copy") {
    Print(TextOf(control(kuitti::Control::kText1)));
    return 0;
  }
  if (what == "message") {
    for (HWND box : TopLevelWindows(L"#32770")) {
      if (GetWindow(box, GW_OWNER) == form && IsWindowVisible(box)) {
        // A message box's text is its static control 0xFFFF.
        Print(TextOf(GetDlgItem(box, 0xFFFF)) + "\n");
        return 0;
      }
    }
    return 1;
  }
  if (what == "state") {
    std::printf("windows=%zu iconic=%d visible=%d hae=%d tulosta=%d\n", forms.size(),
                IsIconic(form) ? 1 : 0, IsWindowVisible(form) ? 1 : 0,
                IsWindowEnabled(control(kuitti::Control::kCommand1)) ? 1 : 0,
                IsWindowEnabled(control(kuitti::Control::kCommand3)) ? 1 : 0);
    return 0;
  }
  std::fputs("usage: window-probe copy | message | state\n", stderr);
  return 64;
}
