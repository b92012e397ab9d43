// Renders the copy of every voucher of a data directory in this one process, each as
// kuittikopio-text would render it when started for that voucher alone, and writes them as a
// bundle to standard output. The Windows tests compare it with the Linux program's copies
// without starting a program under wine for each voucher.
// Usage: kuitti-copy-every-voucher DATA_DIRECTORY

#include <filesystem>
#include <string>
#include <vector>

#include "cli/TextProgram.h"
#include "cli/copies/CopyBundle.h"
#include "platform/Console.h"
#include "support/DataFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    kuitti::WriteError("usage: kuitti-copy-every-voucher DATA_DIRECTORY\n");
    return 2;
  }
  const std::string directory = argv[1];
  const std::string rows =
      kuitti::test::ReadFileBytes(std::filesystem::path(directory) / "CASSA.004");
  for (std::string voucher : kuitti::test::RenderedVouchers(rows)) {
    std::string program = "kuittikopio-text";
    std::string dataOption = "--data";
    std::string data = directory;
    std::vector<char*> arguments = {program.data(), dataOption.data(), data.data(), voucher.data(),
                                    nullptr};
    const int status = kuitti::RunTextProgram(4, arguments.data());
    kuitti::WriteOutput(kuitti::test::BundleTrailer(voucher, status));
  }
  return kuitti::FlushOutput() ? 0 : 2;
}
