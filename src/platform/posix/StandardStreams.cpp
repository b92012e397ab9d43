#include <cstdio>

#include "platform/Console.h"

namespace kuitti {

void WriteOutput(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void WriteError(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
}

bool FlushOutput() {
  return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

}  // namespace kuitti
