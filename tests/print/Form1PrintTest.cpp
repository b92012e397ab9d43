// "Tulosta" in the Qt Form1, with a fake printer behind it: the click, Enter and Ctrl+P reach the
// print steps, the copy leaves the box exactly as fetched, which no key changes, and the focus
// lands back in the voucher box. What the steps do for each outcome is tested in tests/app.

#include <QClipboard>
#include <QTest>
#include <vector>

#include "app/qt/Form1Fixture.h"
#include "app/qt/QStringPrinting.h"
#include "app/qt/SampleData.h"
#include "support/FakePrinter.h"

namespace kuitti::test {
namespace {

// Constructed before the window, which gets a printer that writes into it.
struct ScriptHolder {
  PrinterScript script;
};

class Form1PrintTest : protected ScriptHolder, public Form1Fixture {
 protected:
  Form1PrintTest() : Form1Fixture(std::make_unique<FakePrinter>(script)) {
    form.SetDataPath(Samples().directory);
  }

  void Fetch(const QString& entry) {
    Text2()->clear();
    QTest::keyClicks(Text2(), entry);
    QTest::keyClick(Text2(), Qt::Key_Return);
  }

  QStringList Printed() const {
    QStringList printed;
    for (const std::string& call : script.calls) {
      if (call.starts_with("Print ")) {
        printed.append(QString::fromStdString(call));
      }
    }
    return printed;
  }

  bool BothCommandsEnabled() { return Command(1)->isEnabled() && Command(3)->isEnabled(); }
};

TEST_F(Form1PrintTest, PrintsTheFetchedCopyExactlyWithItsLineBreaks) {
  Fetch(Samples().voucher);
  const Rendered rendered = RenderWithText(Samples().directory, Samples().voucher);
  ASSERT_EQ(rendered.exitCode, 0);
  bool commandsWhilePrinting = true;
  std::optional<Qt::CursorShape> cursorWhilePrinting;
  script.whilePrinting = [&] {
    commandsWhilePrinting = Command(1)->isEnabled() || Command(3)->isEnabled();
    if (const QCursor* cursor = QApplication::overrideCursor()) {
      cursorWhilePrinting = cursor->shape();
    }
  };
  QTest::mouseClick(Command(3), Qt::LeftButton);
  EXPECT_FALSE(commandsWhilePrinting) << "a command stays enabled while printing";
  EXPECT_EQ(cursorWhilePrinting, Qt::WaitCursor);
  EXPECT_EQ(Printed(), QStringList({QStringLiteral("Print ") + QString::fromUtf8(rendered.out)}));
  EXPECT_EQ(script.calls.back(), "EndDocument");
  EXPECT_TRUE(messages.texts.isEmpty());
  EXPECT_TRUE(BothCommandsEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Form1PrintTest, NoKeyChangesTheCopyAndCtrlPPrintsItAsFetchedFromEveryControl) {
  Fetch(Samples().voucher);
  const QString fetched = Text1()->CopyText();
  QApplication::clipboard()->setText(QStringLiteral("liitetty"));
  Text1()->setFocus();
  QTest::keyClick(Text1(), Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClicks(Text1(), QStringLiteral("Lisays"));
  for (const QKeyCombination key :
       {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Delete),
        QKeyCombination(Qt::Key_Backspace), Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X,
        Qt::CTRL | Qt::Key_A, QKeyCombination(Qt::Key_Delete)}) {
    QTest::keyClick(Text1(), key.key(), key.keyboardModifiers());
  }
  EXPECT_EQ(Text1()->CopyText(), fetched);
  // Ctrl+A selected the whole copy, for Ctrl+C.
  EXPECT_EQ(Text1()->textCursor().selectedText().size(), fetched.size() - fetched.count(u'\n'));

  const std::vector<QWidget*> controls = {Text1(), Text2(), Command(1), Command(2), Command(3)};
  for (QWidget* control : controls) {
    script.calls.clear();
    control->setFocus();
    QTest::keyClick(control, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Printed(), QStringList({QStringLiteral("Print ") + fetched}))
        << control->objectName().toStdString();
  }
}

TEST_F(Form1PrintTest, AfterEveryPrintTheVoucherBoxHasTheFocusAndItsWholeTextSelected) {
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  struct Case {
    const char* what;
    QString entry;  // fetched before the print
    std::string failAt;
    QString message;
  };
  const QString notFound = QStringLiteral("99999999");
  for (const Case& c :
       {Case{"printed", Samples().voucher, "", QString()},
        Case{"refused", Samples().voucher, "Print",
             QStringLiteral("Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa.")},
        Case{"failed at the end", Samples().voucher, "EndDocument",
             QStringLiteral("Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa.")},
        Case{"nothing fetched", notFound, "", QStringLiteral("Ei haettua tositetta.")}}) {
    for (const bool byEnter : {true, false}) {
      Fetch(c.entry);
      messages.texts.clear();
      script.failAt = c.failAt;
      if (byEnter) {
        Command(3)->setFocus();
        QTest::keyClick(Command(3), Qt::Key_Return);
      } else {
        Text1()->setFocus();
        QTest::mouseClick(Command(3), Qt::LeftButton);
      }
      EXPECT_EQ(messages.texts.join(QString()), c.message) << c.what << byEnter;
      EXPECT_EQ(QApplication::focusWidget(), Text2()) << c.what << byEnter;
      EXPECT_EQ(Text2()->selectedText(), c.entry) << c.what << byEnter;
      EXPECT_TRUE(BothCommandsEnabled()) << c.what << byEnter;
    }
  }
  // The next number typed replaces the last one in the voucher box, and the copy stays as it was.
  script.failAt.clear();
  Fetch(Samples().voucher);
  const QString copy = Text1()->CopyText();
  QTest::mouseClick(Command(3), Qt::LeftButton);
  QTest::keyClicks(QApplication::focusWidget(), Samples().longVoucher);
  EXPECT_EQ(Text2()->text(), Samples().longVoucher);
  EXPECT_EQ(Text1()->CopyText(), copy);
}

}  // namespace
}  // namespace kuitti::test
