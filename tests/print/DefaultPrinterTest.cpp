// The default printer when the print server is not there: told apart from a missing default
// printer, without root or a running server.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "ReceiptPrinting.h"
#include "RuntimeError.h"

namespace kuitti::test {
namespace {

TEST(DefaultPrinter, ServerThatDoesNotAnswerIsNamedBeforeAnythingIsDrawn) {
  const QTemporaryDir directory;
  const std::string socket = directory.filePath(QStringLiteral("cups.sock")).toStdString();
  setenv("CUPS_SERVER", socket.c_str(), 1);

  const std::unique_ptr<Printer> printer = MakeDefaultPrinter();
  try {
    printer->SetFontName(QStringLiteral("courier new"));
    ADD_FAILURE() << "printing went on without a server";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), kPrinterError);
    EXPECT_EQ(error.description(), "Tulostuspalvelin " + socket + " ei vastaa.");
  }
  printer->AbortDocument();
  unsetenv("CUPS_SERVER");
}

}  // namespace
}  // namespace kuitti::test
