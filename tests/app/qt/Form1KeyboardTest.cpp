// The Qt Form1 from the keyboard: the focus at start, Tab through every control, Enter on the
// buttons, the voucher box ready for the next number after every fetch, and held to one line
// whichever way its text comes in.

#include <QClipboard>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTest>
#include <vector>

#include "app/qt/Form1Fixture.h"
#include "app/qt/QStringPrinting.h"
#include "app/qt/SampleData.h"

namespace kuitti::test {
namespace {

class Form1KeyboardTest : public Form1Fixture {
 protected:
  Form1KeyboardTest() {
    form.SetDataPath(Samples().directory);
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  }
};

TEST_F(Form1KeyboardTest, FocusStartsInTheVoucherBoxAndTabMovesOnFromEveryControl) {
  EXPECT_EQ(QApplication::focusWidget(), Text2());
  Text1()->SetCopyText(QStringLiteral("rivi"));
  const std::vector<QWidget*> order = {Text1(), Command(1), Text2(), Command(2), Command(3)};
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i]->setFocus();
    QTest::keyClick(order[i], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[(i + 1) % order.size()]) << i;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
  }
  EXPECT_EQ(Text1()->CopyText(), QStringLiteral("rivi")) << "a tab went into the copy";
}

TEST_F(Form1KeyboardTest, EnterPressesTheFocusedButtonOnceWhileNoButtonIsTheDefault) {
  int clicks = 0;
  for (int number = 1; number <= 3; ++number) {
    QPushButton* button = Command(number);
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(button, Qt::Key_Escape);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(button, &held);
    EXPECT_EQ(clicks, 2 * number) << number;
  }
  Text2()->setText(Samples().voucher);
  QTest::keyClick(Text2(), Qt::Key_Return);
  EXPECT_EQ(clicks, 6);
  EXPECT_FALSE(Text1()->CopyText().isEmpty());
}

TEST_F(Form1KeyboardTest, AfterEveryFetchTheVoucherBoxHasTheFocusAndItsWholeTextSelected) {
  struct Case {
    QString entry;
    QString dataPath;
  };
  for (const Case& c : {Case{Samples().voucher, Samples().directory},     // a copy
                        Case{QStringLiteral("99"), Samples().directory},  // not found
                        Case{Samples().voucher, QStringLiteral("/no/such/")}}) {
    for (const bool byEnter : {true, false}) {
      form.SetDataPath(c.dataPath);
      Text2()->setFocus();
      Text2()->clear();
      QTest::keyClicks(Text2(), c.entry);
      if (byEnter) {
        QTest::keyClick(Text2(), Qt::Key_Return);
      } else {
        QTest::mouseClick(Command(1), Qt::LeftButton);
      }
      EXPECT_EQ(QApplication::focusWidget(), Text2()) << c.dataPath.toStdString() << byEnter;
      EXPECT_EQ(Text2()->selectedText(), c.entry) << c.dataPath.toStdString() << byEnter;
    }
  }
}

TEST_F(Form1KeyboardTest, VoucherBoxTakesOneLineWithoutControlCharactersHoweverItComesIn) {
  struct Case {
    const char* what;
    QString before;  // in the box, with the cursor at the `|`
    QString pasted;
    QString after;
    int cursor;
  };
  const std::vector<Case> cases = {
      {"a number copied from a spreadsheet", "|", "104233\r\n104234\r\n", "104233", 6},
      {"a line break of Unicode's own", "|", QStringLiteral("104233\u2028x"), "104233", 6},
      {"a tab and other control characters", "|",
       "10\t42\x01"
       "33\x7F",
       "104233", 6},
      {"into the middle: the text after the cursor stays", "12|56", "34\n78", "123456", 4},
      {"over a selection", "[99]", "104233\t\n", "104233", 6},
  };
  for (const Case& c : cases) {
    Text2()->setText(QString(c.before).remove(QRegularExpression("[|\\[\\]]")));
    if (c.before.startsWith(QLatin1Char('['))) {
      Text2()->selectAll();
    } else {
      Text2()->setCursorPosition(static_cast<int>(c.before.indexOf(QLatin1Char('|'))));
    }
    QApplication::clipboard()->setText(c.pasted);
    QTest::keyClick(Text2(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text2()->text(), c.after) << c.what;
    EXPECT_EQ(Text2()->cursorPosition(), c.cursor) << c.what;
  }

  // The pasted number is found.
  Text2()->clear();
  QApplication::clipboard()->setText(Samples().voucher + QStringLiteral("\r\n"));
  QTest::keyClick(Text2(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(Text2(), Qt::Key_Return);
  EXPECT_EQ(Text1()->CopyText(),
            QString::fromUtf8(RenderWithText(Samples().directory, Samples().voucher).out));

  // Set by a program, as the search sets it, the text is held to the same rule.
  Text2()->setText(QStringLiteral("104233\r\n"));
  EXPECT_EQ(Text2()->text(), QStringLiteral("104233"));
  // Keys that bring a control character along (Ctrl+B gives one) go nowhere either.
  Text2()->setText(QStringLiteral("1042"));
  for (const QChar c : {QChar(0x02), QChar(0x09), QChar(0x1B), QChar(0x7F)}) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, QString(c));
    QApplication::sendEvent(Text2(), &key);
  }
  QTest::keyClicks(Text2(), QStringLiteral("33"));
  EXPECT_EQ(Text2()->text(), QStringLiteral("104233"));
}

TEST_F(Form1KeyboardTest, VoucherBoxKeepsAsManyCharactersAsTheCopysHeadingHasRoomFor) {
  QTest::keyClicks(Text2(), QString(60, QLatin1Char('1')));
  EXPECT_EQ(Text2()->text(), QString(43, QLatin1Char('1')));
}

}  // namespace
}  // namespace kuitti::test
