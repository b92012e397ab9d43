// Fetching a copy into the Qt Form1 with Enter and "Hae": the events reach the fetch steps, the
// copy and the messages reach the screen as kuittikopio-text prints them, the busy cursor comes
// and goes, and errors read with the platform's advice on the setting. What the steps do for
// each outcome is tested in tests/app.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/qt/Form1Fixture.h"
#include "app/qt/QStringPrinting.h"
#include "app/qt/SampleData.h"
#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

class Form1FetchTest : public Form1Fixture {
 protected:
  Form1FetchTest() { form.SetDataPath(Samples().directory); }

  void Type(const QString& entry) {
    Text2()->clear();
    QTest::keyClicks(Text2(), entry);
  }

  static QString Expected(const QString& entry) {
    const Rendered rendered = RenderWithText(Samples().directory, entry);
    EXPECT_EQ(rendered.exitCode, 0) << rendered.err.toStdString();
    return QString::fromUtf8(rendered.out);
  }

  bool BothCommandsEnabled() { return Command(1)->isEnabled() && Command(3)->isEnabled(); }
};

TEST_F(Form1FetchTest, EnterInTheVoucherBoxFetchesTheCopyAndStillReachesTheBox) {
  const QString expected = Expected(Samples().voucher);
  QSignalSpy returnPressed(Text2(), &QLineEdit::returnPressed);
  Type(Samples().voucher);
  QTest::keyClick(Text2(), Qt::Key_Return);
  EXPECT_EQ(Text1()->CopyText(), expected);
  EXPECT_TRUE(expected.contains(QStringLiteral("\r\n")));
  EXPECT_EQ(returnPressed.count(), 1);
  EXPECT_TRUE(messages.texts.isEmpty());
  EXPECT_TRUE(BothCommandsEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Form1FetchTest, TheNumberAsTheCopyPrintsItFetchesItsVoucherWhetherTypedOrPasted) {
  const QString printed = QStringLiteral("M") + Samples().voucher + QStringLiteral("-001");
  for (const bool pasted : {false, true}) {
    Text2()->clear();
    if (pasted) {
      Text2()->insert(QStringLiteral(" ") + printed + QStringLiteral(" "));
    } else {
      QTest::keyClicks(Text2(), printed);
    }
    QTest::keyClick(Text2(), Qt::Key_Return);
    EXPECT_EQ(Text2()->text(), Samples().voucher) << pasted;
    EXPECT_EQ(Text1()->CopyText(), Expected(Samples().voucher)) << pasted;
    EXPECT_TRUE(
        Text1()->CopyText().startsWith(QStringLiteral("Kuittikopio, tositenumero ") + printed))
        << pasted;
  }
  EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(Form1FetchTest, KeypadEnterFetchesAndOtherKeysOnlyEdit) {
  Type(Samples().voucher);
  EXPECT_TRUE(Text1()->CopyText().isEmpty());
  QTest::keyClick(Text2(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Text1()->CopyText(), Expected(Samples().voucher));
}

TEST_F(Form1FetchTest, HaeFetchesTheSameCopyAsEnter) {
  Type(Samples().voucher);
  QTest::mouseClick(Command(1), Qt::LeftButton);
  EXPECT_EQ(Text1()->CopyText(), Expected(Samples().voucher));
  EXPECT_TRUE(BothCommandsEnabled());
}

TEST_F(Form1FetchTest, SecondFetchReplacesTheWholeText) {
  Type(Samples().longVoucher);
  QTest::keyClick(Text2(), Qt::Key_Return);
  ASSERT_EQ(Text1()->CopyText(), Expected(Samples().longVoucher));
  Type(Samples().voucher);
  QTest::mouseClick(Command(1), Qt::LeftButton);
  EXPECT_EQ(Text1()->CopyText(), Expected(Samples().voucher));
  QTest::mouseClick(Command(1), Qt::LeftButton);
  EXPECT_EQ(Text1()->CopyText(), Expected(Samples().voucher));
}

TEST_F(Form1FetchTest, NotFoundEmptiesTheCopyAndShowsTheMessageUnderTheBusyCursor) {
  const QString entry = QStringLiteral("99999999");
  const Rendered rendered = RenderWithText(Samples().directory, entry);
  ASSERT_EQ(rendered.exitCode, 1) << "the entry must not be a voucher of the sample data";
  Type(Samples().voucher);
  QTest::keyClick(Text2(), Qt::Key_Return);
  ASSERT_FALSE(Text1()->CopyText().isEmpty());

  Type(entry);
  QTest::keyClick(Text2(), Qt::Key_Return);
  EXPECT_TRUE(Text1()->CopyText().isEmpty());
  ASSERT_EQ(messages.texts.size(), 1);
  // The window's message goes on to the search.
  EXPECT_EQ(messages.texts.front(),
            QString::fromUtf8(rendered.err) +
                QStringLiteral("Voit etsiä kuittia päivän, summan tai tuotteen mukaan: Ctrl+F."));
  EXPECT_EQ(messages.cursorAtLastMessage, Qt::WaitCursor);
  EXPECT_TRUE(BothCommandsEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Form1FetchTest, ErrorsReadAsTheRenderersWithTheSettingExplainedWhereItIsAtFault) {
  DataDirectory overflow;  // the row sum of record 2 overflows
  overflow.WriteAll(
      {},
      {Row{.voucher = "000002"},
       Row{.voucher = "000001", .productCode = "1", .priceRaw = INT64_MAX, .quantityRaw = 20000}});
  const QString directory = QString::fromStdString(overflow.DataPath());
  const QString unterminated = Samples().directory.chopped(1);
  for (const QString& dataPath : {directory, unterminated, QString()}) {
    form.SetDataPath(dataPath);
    Type(QStringLiteral("000001"));
    QTest::keyClick(Text2(), Qt::Key_Return);
  }
  ASSERT_EQ(messages.texts.size(), 3);
  EXPECT_EQ(messages.texts[0] + QLatin1Char('\n'),
            QString::fromUtf8(RenderWithText(directory, QStringLiteral("000001")).err));
  EXPECT_EQ(messages.texts[0],
            QStringLiteral("Virhe 6: Ylivuoto (tiedosto %1CASSA.004, tietue 2)").arg(directory));
  const QString where =
      QStringLiteral("\nDatakansio luetaan asetustiedoston %1 osion [Asiakas] asetuksesta Datat, ")
          .arg(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velkamora Oy"))
                   .fileName());
  EXPECT_TRUE(messages.texts[1].endsWith(
      where + QStringLiteral("jonka arvo \"%1\" ei pääty merkkiin \"/\". Arvon pitää päättyä "
                             "siihen, koska tiedostonimet liitetään arvoon sellaisenaan.")
                  .arg(unterminated)));
  EXPECT_EQ(messages.texts[2],
            QStringLiteral("Virhe 53: Tiedostoa ei löydy: CASSA.001") + where +
                QStringLiteral("jota ei ole asetettu. Arvon pitää olla datakansion polku, joka "
                               "päättyy merkkiin \"/\"."));
}

TEST_F(Form1FetchTest, EnterFetchesEvenWhileTheCommandsAreDisabled) {
  Command(1)->setEnabled(false);
  Command(3)->setEnabled(false);
  Type(Samples().voucher);
  QTest::keyClick(Text2(), Qt::Key_Return);
  EXPECT_EQ(Text1()->CopyText(), Expected(Samples().voucher));
  EXPECT_TRUE(BothCommandsEnabled());
}

TEST_F(Form1FetchTest, SuljeEndsTheEventLoopAtOnce) {
  QTimer::singleShot(0, &form, [this] { QTest::mouseClick(Command(2), Qt::LeftButton); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(messages.texts.isEmpty());
}

}  // namespace
}  // namespace kuitti::test
