#include "support/Fetch.h"

#include "receipt/ReceiptCopy.h"

namespace kuitti::test {

std::optional<std::string> FetchFrom(const DataDirectory& directory, std::string_view entry) {
  Module1 module;
  return FetchFrom(directory, entry, module);
}

std::optional<std::string> FetchFrom(const DataDirectory& directory, std::string_view entry,
                                     Module1& module, std::string_view decimalSeparator) {
  const std::optional<ReceiptCopy> copy = FetchCopyFrom(directory, entry, module, decimalSeparator);
  return copy ? std::optional<std::string>(copy->text) : std::nullopt;
}

std::optional<ReceiptCopy> FetchCopyFrom(const DataDirectory& directory, std::string_view entry,
                                         Module1& module, std::string_view decimalSeparator) {
  module.sales.DataPath = directory.DataPath();
  return FetchReceiptCopy(module, SystemFileSystem(), entry,
                          NumberFormat{std::string(decimalSeparator)});
}

std::vector<std::string> Lines(const std::string& copy) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = copy.find("\r\n", start);
    lines.push_back(copy.substr(start, end - start));
    if (end == std::string::npos) {
      return lines;
    }
    start = end + 2;
  }
}

}  // namespace kuitti::test
