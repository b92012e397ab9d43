#include "FakePrinter.h"

#include "RuntimeError.h"

namespace kuitti::test {

void FakePrinter::SetFontName(const QString& name) {
  Record(QStringLiteral("SetFontName"), name);
}

void FakePrinter::SetFontSize(float points) {
  Record(QStringLiteral("SetFontSize"), QString::number(points));
}

void FakePrinter::Print(const QString& text) {
  if (script_.whilePrinting) {
    script_.whilePrinting();
  }
  Record(QStringLiteral("Print"), text);
}

void FakePrinter::EndDocument() {
  Record(QStringLiteral("EndDocument"), QString());
}

void FakePrinter::AbortDocument() {
  Record(QStringLiteral("AbortDocument"), QString());
}

void FakePrinter::Record(const QString& call, const QString& argument) {
  script_.calls.append(argument.isNull() ? call : call + QLatin1Char(' ') + argument);
  if (call == script_.failAt) {
    throw RuntimeError(script_.failNumber, "Tulostin ei vastaa.");
  }
}

}  // namespace kuitti::test
