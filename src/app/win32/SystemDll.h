#pragma once

#include <windows.h>

namespace kuitti {

// A function of a DLL in System32, the DLL loaded from there alone when first asked for (it
// stays loaded). The window imports no DLL that is not one of the KnownDLLs, nor one that
// brings such a DLL in (the common dialogs bring in the spooler): Windows would load a copy
// left beside the program first. Null when the DLL or the function is missing.
FARPROC SystemDllFunction(const wchar_t* dll, const char* name);

template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  // GetProcAddress gives a plain FARPROC; the caller's declaration says what it is.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemDllFunction(dll, name)));
}

}  // namespace kuitti
