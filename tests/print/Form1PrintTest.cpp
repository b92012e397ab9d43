// "Tulosta" in the real Form1, with a fake printer behind it.

#include <QTest>

#include "FakePrinter.h"
#include "Form1Fixture.h"
#include "SampleData.h"

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

  QStringList Printed() const { return script.calls.filter(QRegularExpression("^Print ")); }

  bool BothCommandsEnabled() { return Command(1)->isEnabled() && Command(3)->isEnabled(); }
};

TEST_F(Form1PrintTest, BeforeAnyFetchTulostaSaysThereIsNoCopy) {
  QTest::mouseClick(Command(3), Qt::LeftButton);
  EXPECT_EQ(messages.texts, QStringList({QStringLiteral("Ei haettua tositetta.")}));
  EXPECT_TRUE(script.calls.isEmpty());
  EXPECT_TRUE(BothCommandsEnabled());
}

TEST_F(Form1PrintTest, PrintsTheFetchedCopyExactlyWithItsLineBreaks) {
  Fetch(Samples().voucher);
  const Rendered rendered = RenderWithText(Samples().directory, Samples().voucher);
  ASSERT_EQ(rendered.exitCode, 0);
  QTest::mouseClick(Command(3), Qt::LeftButton);
  EXPECT_EQ(Printed(), QStringList({QStringLiteral("Print ") + QString::fromUtf8(rendered.out)}));
  EXPECT_EQ(script.calls.last(), QStringLiteral("EndDocument"));
  EXPECT_TRUE(messages.texts.isEmpty());
  EXPECT_TRUE(BothCommandsEnabled());
}

TEST_F(Form1PrintTest, PrintCarriesWhatTheUserChangedInTheBox) {
  Fetch(Samples().voucher);
  Text1()->setFocus();
  QTest::keyClick(Text1(), Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClicks(Text1(), QStringLiteral("Lisays"));
  QTest::keyClick(Text1(), Qt::Key_Return);
  QTest::mouseClick(Command(3), Qt::LeftButton);
  ASSERT_EQ(Printed().size(), 1);
  EXPECT_TRUE(Printed().front().startsWith(QStringLiteral("Print Lisays\r\nKuittikopio")))
      << Printed().front().toStdString();
}

TEST_F(Form1PrintTest, AfterNotFoundTulostaSaysThereIsNoCopy) {
  Fetch(Samples().voucher);
  Fetch(QStringLiteral("99999999"));
  ASSERT_TRUE(Text1()->CopyText().isEmpty());
  messages.texts.clear();
  QTest::mouseClick(Command(3), Qt::LeftButton);
  EXPECT_EQ(messages.texts, QStringList({QStringLiteral("Ei haettua tositetta.")}));
  EXPECT_TRUE(Printed().isEmpty());
}

TEST_F(Form1PrintTest, FailedPrintIsReportedAndLeavesTheWindowUsable) {
  Fetch(Samples().voucher);
  script.failAt = QStringLiteral("EndDocument");
  QTest::mouseClick(Command(3), Qt::LeftButton);
  EXPECT_EQ(messages.texts,
            QStringList({QStringLiteral("Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa.")}));
  EXPECT_EQ(script.calls.last(), QStringLiteral("AbortDocument"));
  EXPECT_TRUE(BothCommandsEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  script.failAt.clear();
  QTest::mouseClick(Command(3), Qt::LeftButton);
  EXPECT_EQ(script.calls.last(), QStringLiteral("EndDocument"));
  EXPECT_EQ(messages.texts.size(), 1);
}

}  // namespace
}  // namespace kuitti::test
