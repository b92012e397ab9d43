#include <windows.h>

#include <commctrl.h>
#include <stdlib.h>

#include "app/win32/Form1Window.h"
#include "app/win32/SingleInstance.h"
#include "app/win32/CommandLine.h"
#include "platform/PlatformSettings.h"
#include "print/win32/GdiPrinter.h"

// The window program on Windows: one window per logon session, the data directory from the
// registry setting, printing on the default printer through GDI.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  // DLLs loaded from now on, by the program or by Windows for it, come from System32 only,
  // never from the program's folder.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Answered before the lock, as on Linux: they work while another instance runs.
  if (const auto status = kuitti::AnswerCommandLine(__argc, __wargv)) {
    return *status;
  }
  const kuitti::SingleInstance instance(L"Local\\Kuittikopio.Form1");
  if (!instance.IsFirst()) {
    kuitti::BringWindowToFront(kuitti::kForm1WindowClass);
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  kuitti::GdiPrinter printer;
  kuitti::Form1Window form(printer, kuitti::ReadDataPathSetting());
  form.Show(showCommand);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!form.TranslateKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
