#include "OpenFiles.h"

#include "RuntimeError.h"

namespace kuitti {
namespace {

bool IsValidNumber(int number) {
  return number >= 1 && number <= 5;
}

}  // namespace

void OpenFiles::Open(int number, std::unique_ptr<RandomAccessFile> file) {
  files_.at(static_cast<std::size_t>(number)) = std::move(file);
}

RandomAccessFile& OpenFiles::File(int number) {
  if (!IsOpen(number)) {
    throw RuntimeError(kBadFileNumber, "Bad file name or number");
  }
  return *files_[static_cast<std::size_t>(number)];
}

bool OpenFiles::IsOpen(int number) const {
  return IsValidNumber(number) && files_[static_cast<std::size_t>(number)] != nullptr;
}

void OpenFiles::CloseAll() {
  for (auto& file : files_) {
    file.reset();
  }
}

}  // namespace kuitti
