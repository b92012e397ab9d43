// The print command's steps against a fake printer and a fake window.

#include <gtest/gtest.h>

#include <algorithm>

#include "FakePrinter.h"
#include "ReceiptPrinting.h"

namespace kuitti::test {
namespace {

// Records what the command does to the window; the log is shared with the printer, so the
// order of window and printer steps shows in one list.
class FakeView final : public PrintView {
 public:
  explicit FakeView(QStringList& log) : log_(log) {}

  QString CopyText() const override {
    log_.append(QStringLiteral("CopyText"));
    return text;
  }
  void SetPrintCommandEnabled(bool enabled) override {
    printEnabled = enabled;
    log_.append(QStringLiteral("Command3 %1").arg(enabled ? "on" : "off"));
  }
  void SetFetchCommandEnabled(bool enabled) override {
    fetchEnabled = enabled;
    log_.append(QStringLiteral("Command1 %1").arg(enabled ? "on" : "off"));
  }
  void ShowMessage(const QString& message) override {
    messages.append(message);
    log_.append(QStringLiteral("Message ") + message);
  }

  QString text;
  bool printEnabled = true;
  bool fetchEnabled = true;
  QStringList messages;

 private:
  QStringList& log_;
};

class PrintReceiptCopyTest : public testing::Test {
 protected:
  PrinterScript script;
  QStringList& log = script.calls;
  FakeView view{log};
  FakePrinter printer{script};
};

const QString kCopy = QStringLiteral("Kuittikopio\r\n\r\nYhteensä       52,37");

TEST_F(PrintReceiptCopyTest, EmptyTextIsReportedAndNothingElseHappens) {
  PrintReceiptCopy(view, printer);
  EXPECT_EQ(log, QStringList({"CopyText", "Message Ei haettua tositetta."}));
  EXPECT_TRUE(view.printEnabled);
  EXPECT_TRUE(view.fetchEnabled);
}

TEST_F(PrintReceiptCopyTest, TextOfOnlySpacesAndLineBreaksIsPrinted) {
  view.text = QStringLiteral(" \r\n");
  PrintReceiptCopy(view, printer);
  EXPECT_TRUE(view.messages.isEmpty());
  EXPECT_TRUE(log.contains(QStringLiteral("Print  \r\n")));
}

TEST_F(PrintReceiptCopyTest, StepsRunInOrderWithTheFontAskedForAndTheWholeText) {
  view.text = kCopy;
  PrintReceiptCopy(view, printer);
  const QStringList expected = {
      "CopyText",       "Command3 off", "Command1 off",   "SetFontName courier new",
      "SetFontSize 10", "CopyText",     "Print " + kCopy, "EndDocument",
      "Command3 on",    "Command1 on"};
  EXPECT_EQ(log, expected);
  EXPECT_TRUE(view.messages.isEmpty());
}

TEST_F(PrintReceiptCopyTest, EverySuccessfulPrintIsADocumentOfItsOwn) {
  view.text = kCopy;
  PrintReceiptCopy(view, printer);
  PrintReceiptCopy(view, printer);
  EXPECT_EQ(log.count(QStringLiteral("EndDocument")), 2);
  EXPECT_EQ(log.count(QStringLiteral("Print ") + kCopy), 2);
  EXPECT_TRUE(view.printEnabled && view.fetchEnabled);
}

TEST_F(PrintReceiptCopyTest, FailureShowsNumberTwoSpacesDescriptionAbortsAndEnablesButtons) {
  for (const char* name : {"SetFontName", "SetFontSize", "Print", "EndDocument"}) {
    const QString step = QString::fromLatin1(name);
    log.clear();
    view.messages.clear();
    view.text = kCopy;
    script.failAt = step;
    PrintReceiptCopy(view, printer);
    EXPECT_EQ(view.messages,
              QStringList({QStringLiteral("Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa.")}))
        << step.toStdString();
    EXPECT_TRUE(view.printEnabled) << step.toStdString();
    EXPECT_TRUE(view.fetchEnabled) << step.toStdString();
    // Aborted before the message, and nothing of the printer runs after the failing step.
    const auto failing = std::find_if(log.cbegin(), log.cend(),
                                      [&](const QString& call) { return call.startsWith(step); });
    const qsizetype failed = failing - log.cbegin();
    ASSERT_LT(failed, log.size());
    EXPECT_EQ(log.value(failed + 1), QStringLiteral("AbortDocument")) << step.toStdString();
    EXPECT_FALSE(log.mid(failed + 1).contains(QStringLiteral("EndDocument"))) << step.toStdString();
    EXPECT_EQ(log.last(), QStringLiteral("Command1 on")) << step.toStdString();
  }
}

TEST_F(PrintReceiptCopyTest, NegativeErrorNumberKeepsItsSign) {
  view.text = kCopy;
  script.failAt = QStringLiteral("Print");
  script.failNumber = -7;
  PrintReceiptCopy(view, printer);
  EXPECT_EQ(view.messages,
            QStringList({QStringLiteral("Tulostusvirhe. Virhenumero:-7  Tulostin ei vastaa.")}));
}

}  // namespace
}  // namespace kuitti::test
