#include <windows.h>

#include <string>
#include <vector>

#include "TextProgram.h"
#include "WideText.h"

// Windows passes the arguments as UTF-16; the program reads them as UTF-8, so an entry or a
// data directory with "ä" arrives whole, whatever the console's code page.
int wmain(int argc, wchar_t** argv) {
  // DLLs loaded from now on come from System32 only, never from the program's folder.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) {
    arguments.push_back(kuitti::Utf8FromWide(argv[i]));
  }
  std::vector<char*> pointers;
  for (std::string& argument : arguments) {
    pointers.push_back(argument.data());
  }
  pointers.push_back(nullptr);
  return kuitti::RunTextProgram(argc, pointers.data());
}
