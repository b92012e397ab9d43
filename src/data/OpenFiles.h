#pragma once

#include <array>
#include <memory>

#include "FileAccess.h"

namespace kuitti {

// The data files open during one fetch, addressed by their fixed file numbers.
class OpenFiles {
 public:
  static constexpr int kProductIndex = 1;
  static constexpr int kProducts = 2;
  static constexpr int kReceiptRows = 4;
  static constexpr int kCassa005 = 5;

  void Open(int number, std::unique_ptr<RandomAccessFile> file);
  // Fails with error 52 when no file is open under the number.
  RandomAccessFile& File(int number);
  bool IsOpen(int number) const;
  void CloseAll();

 private:
  std::array<std::unique_ptr<RandomAccessFile>, 6> files_;
};

}  // namespace kuitti
