#include "app/win32/CallerOutput.h"

#include <windows.h>

#include "app/win32/WindowText.h"
#include "platform/Console.h"

namespace kuitti {

namespace {

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void WriteToCaller(std::string_view text, bool isError) {
  const DWORD stream = isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
  if (!Usable(GetStdHandle(stream)) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    SetStdHandle(stream, console);
  }
  if (!Usable(GetStdHandle(stream))) {
    ShowMessageBox(nullptr, text);
    return;
  }
  if (isError) {
    WriteError(text);
  } else {
    WriteOutput(text);
    FlushOutput();
  }
}

}  // namespace kuitti
