// A stand-in winspool.drv, left beside the programs by the DLL-planting test: loading it
// creates the file named by KUITTI_PLANTED_MARKER, and nothing else.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    wchar_t marker[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"KUITTI_PLANTED_MARKER", marker, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
      CloseHandle(CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    }
  }
  return TRUE;
}
