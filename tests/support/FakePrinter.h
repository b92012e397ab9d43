#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/ReceiptPrinting.h"

namespace kuitti::test {

// What a fake printer was asked to do, and where it is to fail. Kept apart from the printer
// so that it outlives a printer a window owns.
struct PrinterScript {
  std::vector<std::string> calls;  // one line per call: its name and argument
  std::string failAt;              // the name of the call that throws, e.g. "EndDocument"
  int failNumber = 482;
  std::function<void()> whilePrinting;  // runs inside Print, to look at the window then
};

class FakePrinter final : public Printer {
 public:
  explicit FakePrinter(PrinterScript& script) : script_(script) {}

  void SetFontName(const std::string& name) override;
  void SetFontSize(float points) override;
  void FitColumns(std::size_t columns) override;
  void Print(const std::string& text) override;
  void EndDocument() override;
  void AbortDocument() override;

 private:
  void Record(const std::string& call, const std::string& argument);

  PrinterScript& script_;
};

}  // namespace kuitti::test
