// "Tulosta" in the real Form1, with a fake printer behind it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
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
  bool commandsWhilePrinting = true;
  script.whilePrinting = [&] {
    commandsWhilePrinting = Command(1)->isEnabled() || Command(3)->isEnabled();
  };
  QTest::mouseClick(Command(3), Qt::LeftButton);
  EXPECT_FALSE(commandsWhilePrinting) << "a command stays enabled while printing";
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

TEST_F(Form1PrintTest, AfterEveryPrintTheVoucherBoxHasTheFocusAndItsWholeTextSelected) {
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  struct Case {
    const char* what;
    QString entry;  // fetched before the print
    QString failAt;
    QString message;
  };
  const QString notFound = QStringLiteral("99999999");
  for (const Case& c :
       {Case{"printed", Samples().voucher, QString(), QString()},
        Case{"refused", Samples().voucher, QStringLiteral("Print"),
             QStringLiteral("Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa.")},
        Case{"failed at the end", Samples().voucher, QStringLiteral("EndDocument"),
             QStringLiteral("Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa.")},
        Case{"nothing fetched", notFound, QString(), QStringLiteral("Ei haettua tositetta.")}}) {
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
    }
  }
  // The next number typed replaces the last one in the voucher box, and the copy stays as it was.
  Fetch(Samples().voucher);
  const QString copy = Text1()->CopyText();
  QTest::mouseClick(Command(3), Qt::LeftButton);
  QTest::keyClicks(QApplication::focusWidget(), Samples().longVoucher);
  EXPECT_EQ(Text2()->text(), Samples().longVoucher);
  EXPECT_EQ(Text1()->CopyText(), copy);
}

// The window only reads the point-of-sale files: fetches of every outcome and prints leave them
// byte for byte as they were, with their modification times, and create nothing beside them.
TEST_F(Form1PrintTest, FetchingAndPrintingLeaveTheDataFilesUntouched) {
  QTemporaryDir copy;
  const QString data = copy.path() + QLatin1Char('/');
  const QDateTime old(QDate(2001, 9, 9), QTime(1, 46, 40), Qt::UTC);
  QMap<QString, QByteArray> before;
  for (const char* name : {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"}) {
    const QString path = data + QLatin1String(name);
    ASSERT_TRUE(QFile::copy(Samples().directory + QLatin1String(name), path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    before[QLatin1String(name)] = file.readAll();
  }
  form.SetDataPath(data);

  Fetch(Samples().voucher);  // a copy
  QTest::mouseClick(Command(3), Qt::LeftButton);
  Fetch(QStringLiteral("99999999"));  // not found
  QTest::mouseClick(Command(3), Qt::LeftButton);
  form.SetDataPath(data + QStringLiteral("missing/"));
  Fetch(Samples().voucher);  // an error
  form.SetDataPath(data);
  Fetch(Samples().longVoucher);
  QTest::mouseClick(Command(3), Qt::LeftButton);
  ASSERT_EQ(Printed().size(), 2);

  const QStringList names =
      QDir(copy.path())
          .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  EXPECT_EQ(names, QStringList(before.keys()));
  for (auto it = before.cbegin(); it != before.cend(); ++it) {
    QFile file(data + it.key());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), it.value()) << it.key().toStdString();
    EXPECT_EQ(QFileInfo(file).lastModified().toUTC(), old) << it.key().toStdString();
  }
}

}  // namespace
}  // namespace kuitti::test
