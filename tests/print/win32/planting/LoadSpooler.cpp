// Loads winspool.drv for the DLL-planting test. "plain" loads it by its bare name, searching
// as a program does by default, the program's folder first: a planted copy is taken, which
// shows that the test would see it. "system" first restricts the search to System32 as both
// programs do at start-up. "printing" looks up the default printer through the printing
// layer, which loads the spooler itself. Exit status 0 when the spooler was reached.
#include <windows.h>

#include <cwchar>

#include "data/RuntimeError.h"
#include "print/win32/DefaultPrinterName.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    return 64;
  }
  if (std::wcscmp(argv[1], L"printing") == 0) {
    try {
      kuitti::DefaultPrinterName();
    } catch (const kuitti::RuntimeError&) {
      // No default printer in the test's prefix: the spooler was asked all the same.
    }
    return 0;
  }
  if (std::wcscmp(argv[1], L"system") == 0) {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  return LoadLibraryW(L"winspool.drv") ? 0 : 1;
}
