#include "support/FakePrinter.h"

#include <sstream>

#include "data/RuntimeError.h"

namespace kuitti::test {

void FakePrinter::SetFontName(const std::string& name) {
  Record("SetFontName", name);
}

void FakePrinter::SetFontSize(float points) {
  std::ostringstream size;
  size << points;
  Record("SetFontSize", size.str());
}

void FakePrinter::FitColumns(std::size_t columns) {
  Record("FitColumns", std::to_string(columns));
}

void FakePrinter::Print(const std::string& text) {
  if (script_.whilePrinting) {
    script_.whilePrinting();
  }
  Record("Print", text);
}

void FakePrinter::EndDocument() {
  Record("EndDocument", "");
}

void FakePrinter::AbortDocument() {
  Record("AbortDocument", "");
}

void FakePrinter::Record(const std::string& call, const std::string& argument) {
  script_.calls.push_back(argument.empty() ? call : call + ' ' + argument);
  if (call == script_.failAt) {
    throw RuntimeError(script_.failNumber, "Tulostin ei vastaa.");
  }
}

}  // namespace kuitti::test
