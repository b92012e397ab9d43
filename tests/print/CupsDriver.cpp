// Drives Form1 against the system's real default printer. Run by cups-e2e.sh, which sets up
// the print server and checks what reaches it; not useful on its own.

#include <QTest>
#include <cstdio>

#include "app/qt/Form1Fixture.h"
#include "app/qt/QStringPrinting.h"
#include "app/qt/SampleData.h"
#include "print/DefaultPrinter.h"

namespace kuitti::test {
namespace {

class CupsDriver : public Form1Fixture {
 protected:
  CupsDriver() : Form1Fixture(MakeDefaultPrinter()) { form.SetDataPath(Samples().directory); }

  void FetchAndPrint() {
    QTest::keyClicks(Text2(), Samples().voucher);
    QTest::keyClick(Text2(), Qt::Key_Return);
    ASSERT_FALSE(Text1()->CopyText().isEmpty());
    QTest::mouseClick(Command(3), Qt::LeftButton);
  }

  bool BothCommandsEnabled() { return Command(1)->isEnabled() && Command(3)->isEnabled(); }
};

TEST_F(CupsDriver, PrintsOnTheDefaultPrinter) {
  FetchAndPrint();
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
  EXPECT_TRUE(BothCommandsEnabled());
  // The script checks that the printed PDF has as many lines with text.
  qsizetype inked = 0;
  for (const QString& line : Text1()->CopyText().split(QStringLiteral("\r\n"))) {
    inked += line.trimmed().isEmpty() ? 0 : 1;
  }
  std::printf("lines with text: %lld\n", static_cast<long long>(inked));
}

// The script sets the server up to fail and names the description the message must carry.
TEST_F(CupsDriver, ReportsThePrintErrorAndTheCommandsStayUsable) {
  const QString description = qEnvironmentVariable("EXPECTED_ERROR");
  ASSERT_FALSE(description.isEmpty());
  FetchAndPrint();
  EXPECT_EQ(messages.texts,
            QStringList({QStringLiteral("Tulostusvirhe. Virhenumero:482  ") + description}));
  EXPECT_TRUE(BothCommandsEnabled());
}

}  // namespace
}  // namespace kuitti::test
