// The default printer when the print server is not there: told apart from a missing default
// printer, without root or a running server.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "print/DefaultPrinter.h"
#include "support/ErrorNumber.h"

namespace kuitti::test {
namespace {

TEST(DefaultPrinter, ServerThatDoesNotAnswerIsNamedBeforeAnythingIsDrawn) {
  const QTemporaryDir directory;
  const std::string socket = directory.filePath(QStringLiteral("cups.sock")).toStdString();
  setenv("CUPS_SERVER", socket.c_str(), 1);

  const std::unique_ptr<Printer> printer = MakeDefaultPrinter();
  const RaisedError error = ErrorOf([&] { printer->SetFontName("courier new"); });
  EXPECT_EQ(error.number, kPrinterError) << "printing went on without a server";
  EXPECT_EQ(error.description, "Tulostuspalvelin " + socket + " ei vastaa.");
  printer->AbortDocument();
  unsetenv("CUPS_SERVER");
}

}  // namespace
}  // namespace kuitti::test
