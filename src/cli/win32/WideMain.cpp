#include <windows.h>

#include <string>
#include <vector>

#include "cli/TextProgram.h"
#include "platform/win32/WideText.h"

// Windows passes the arguments as UTF-16; the program reads them as UTF-8, so an entry or a
// data directory with "ä" arrives whole, whatever the console's code page. "/?", Windows' way
// of asking for help, is --help wherever an option may stand.
int wmain(int argc, wchar_t** argv) {
  // DLLs loaded from now on come from System32 only, never from the program's folder.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  std::vector<std::string> arguments;
  bool optionsEnded = false;
  for (int i = 0; i < argc; ++i) {
    const std::wstring argument = argv[i];
    optionsEnded = optionsEnded || (i > 0 && argument == L"--");
    arguments.push_back(
        !optionsEnded && i > 0 && argument == L"/?" ? "--help" : kuitti::Utf8FromWide(argument));
  }
  std::vector<char*> pointers;
  for (std::string& argument : arguments) {
    pointers.push_back(argument.data());
  }
  pointers.push_back(nullptr);
  return kuitti::RunTextProgram(argc, pointers.data());
}
