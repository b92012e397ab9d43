#include "cli/PdfCopy.h"

#include <dlfcn.h>

#include "data/RuntimeError.h"

namespace kuitti {

void WritePdfCopy(std::string_view text, const std::string& path) {
  // Found through the program's run path: beside it in the build tree, in its library
  // directory once installed. Never unloaded: Qt keeps state until the process ends.
  void* module = dlopen("kuittikopio-pdf.so", RTLD_NOW | RTLD_LOCAL);
  void* entry = module ? dlsym(module, "KuittiWritePdfCopy") : nullptr;
  if (!entry) {
    throw RuntimeError(kDllLoadError, std::string("PDF-moduulia ei voi ladata: ") + dlerror());
  }
  std::string description;
  const int number = reinterpret_cast<decltype(&KuittiWritePdfCopy)>(entry)(
      text.data(), text.size(), path.c_str(), &description);
  if (number != 0) {
    throw RuntimeError(number, description);
  }
}

}  // namespace kuitti
