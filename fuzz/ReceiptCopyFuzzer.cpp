// Runs whole fetches over arbitrary data files and entries. Only numbered run-time errors may
// come out; anything else (a crash, a sanitizer report, another exception, a hang) is a
// finding.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "BufferedOutput.h"
#include "FuzzInput.h"
#include "MemoryFiles.h"
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

// What every finished build must look like.
void CheckOutcome(const kuitti::BufferedOutput& output) {
  if (output.messages().empty()) {
    const std::string_view text = output.text();
    Require(text.starts_with("Kuittikopio, tositenumero M"));
    Require(text.ends_with(std::string(74, '=')));
  } else {
    Require(output.messages().size() == 1);
    Require(output.text().empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kuitti::fuzz::FuzzInput input = kuitti::fuzz::SplitFuzzInput(data, size);
  kuitti::fuzz::MemoryFileSystem files;
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
    kuitti::BufferedOutput output;
    try {
      kuitti::FetchReceiptCopy(module, files, input.entry, output, format);
      CheckOutcome(output);
    } catch (const kuitti::RuntimeError& error) {
      Require(error.number() > 0 && !error.description().empty());
    }
    for (int number : {1, 2, 4, 5}) {
      Require(!module.sales.files.IsOpen(number));
    }
  }
  return 0;
}
