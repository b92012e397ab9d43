// Runs whole fetches over arbitrary data files and entries. Only numbered run-time errors may
// come out; anything else (a crash, a sanitizer report, another exception, a hang) is a
// finding.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "MemoryFile.h"
#include "ReceiptCopy.h"
#include "RuntimeError.h"

namespace {

constexpr const char* kFileNames[4] = {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"};
constexpr std::string_view kDataPath = "/data/";

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// What every copy must look like.
void CheckCopy(const std::optional<std::string>& copy) {
  if (copy) {
    Require(copy->starts_with("Kuittikopio, tositenumero M"));
    Require(copy->ends_with(std::string(74, '=')));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kuitti::fuzz::FuzzInput input = kuitti::fuzz::SplitFuzzInput(data, size);
  kuitti::test::MemoryFileSystem files;
  for (int i = 0; i < 4; ++i) {
    if ((input.flags & (1u << i)) == 0) {
      files.Put(std::string(kDataPath) + kFileNames[i], input.files[i]);
    }
  }
  const kuitti::NumberFormat format{(input.flags & 0x10) ? "." : ","};

  // Two fetches with one program state: the record buffers carry over between them.
  kuitti::Module1 module;
  module.sales.DataPath = kDataPath;
  for (int fetch = 0; fetch < 2; ++fetch) {
    try {
      CheckCopy(kuitti::FetchReceiptCopy(module, files, input.entry, format));
    } catch (const kuitti::RuntimeError& error) {
      Require(error.number() > 0 && !error.description().empty());
    }
  }
  return 0;
}
