// "Etsi kuitti" in Qt over Form1: opened with Ctrl+F and F3, its fields, keys and list wired to
// the search steps, the pick fetched with Enter; Escape and errors change nothing of the
// window. What the steps do with the fields is tested in tests/app.

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <vector>

#include "app/qt/Form1Fixture.h"
#include "app/qt/SampleData.h"
#include "app/qt/SearchDialog.h"
#include "platform/PlatformSettings.h"

namespace kuitti::test {
namespace {

class SearchDialogTest : public Form1Fixture {
 protected:
  SearchDialogTest() {
    form.SetDataPath(Samples().directory);
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  // The dialog that the key opens over the window.
  SearchDialog* Open(QKeyCombination key) {
    QTest::keyClick(&form, key.key(), key.keyboardModifiers());
    auto* dialog = form.findChild<SearchDialog*>();
    EXPECT_NE(dialog, nullptr);
    if (dialog) {
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_NE(dialog->windowModality(), Qt::NonModal);
      EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Etsi kuitti"));
    }
    return dialog;
  }

  template <typename Control>
  static Control* In(SearchDialog* dialog, const char* name) {
    auto* control = dialog->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // Waits for a closed dialog to be gone.
  void ExpectClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form.findChild<SearchDialog*>(), nullptr);
  }
};

TEST_F(SearchDialogTest, CtrlFOpensItOnTheNewestReceiptAndEscapeChangesNothing) {
  QTest::keyClicks(Text2(), QStringLiteral("12"));
  SearchDialog* dialog = Open(Qt::CTRL | Qt::Key_F);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(In<QGroupBox>(dialog, "days")->isChecked());
  const QDate newest = In<QDateEdit>(dialog, "fromDay")->date();
  EXPECT_EQ(In<QDateEdit>(dialog, "toDay")->date(), newest);
  EXPECT_NE(newest, QDate::currentDate());  // the sample data's last day of sales

  // The newest receipt is the current row, in view, with the focus; the list keeps file order.
  auto* results = In<QTableWidget>(dialog, "results");
  const int last = results->rowCount() - 1;
  ASSERT_GE(last, 1);
  EXPECT_EQ(results->currentRow(), last);
  EXPECT_EQ(dialog->focusWidget(), results);
  EXPECT_TRUE(
      results->viewport()->rect().contains(results->visualItemRect(results->item(last, 0))));
  for (int row = 0; row <= last; ++row) {
    EXPECT_EQ(results->item(row, 1)->text(), newest.toString(QStringLiteral("dd.MM.yyyy"))) << row;
  }
  EXPECT_LT(results->item(0, 2)->text(), results->item(last, 2)->text());

  // Home and End go to the first and the last row.
  QTest::keyClick(results, Qt::Key_Home);
  EXPECT_EQ(results->currentRow(), 0);
  QTest::keyClick(results, Qt::Key_End);
  EXPECT_EQ(results->currentRow(), last);
  // Tab leaves the list, whose selected row then turns from the selection colour to grey.
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == results; }));
  const QColor focused = results->palette().color(QPalette::Highlight);
  QTest::keyClick(results, Qt::Key_Tab);
  EXPECT_NE(dialog->focusWidget(), results);
  EXPECT_EQ(results->currentRow(), last);
  EXPECT_NE(results->palette().color(QPalette::Highlight), focused);
  QTest::keyClick(dialog, Qt::Key_Escape);
  ExpectClosed();
  EXPECT_EQ(Text2()->text(), QStringLiteral("12"));
  EXPECT_TRUE(Text1()->CopyText().isEmpty());
}

TEST_F(SearchDialogTest, F3SearchesWithEnterAndEnterOnAResultFetchesIt) {
  SearchDialog* dialog = Open(Qt::Key_F3);
  ASSERT_NE(dialog, nullptr);
  In<QDateEdit>(dialog, "fromDay")->setDate(QDate(2025, 3, 20));
  In<QDateEdit>(dialog, "toDay")->setDate(QDate(2025, 3, 27));
  auto* total = In<QLineEdit>(dialog, "total");
  QTest::keyClicks(total, QStringLiteral("20,19"));
  QTest::keyClick(total, Qt::Key_Return);

  auto* results = In<QTableWidget>(dialog, "results");
  ASSERT_EQ(results->rowCount(), 1);
  EXPECT_EQ(results->item(0, 0)->text(), QStringLiteral("M104233-001"));
  EXPECT_EQ(results->item(0, 1)->text(), QStringLiteral("27.03.2025"));
  EXPECT_EQ(results->item(0, 2)->text(), QStringLiteral("12:18:56"));
  EXPECT_EQ(results->item(0, 3)->text(),
            QString::fromStdString("20" + RegionalNumberFormat().decimalSeparator + "19"));
  EXPECT_EQ(In<QLabel>(dialog, "summary")->text(), QStringLiteral("Löytyi 1 kuitti."));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  QTest::keyClick(results, Qt::Key_Return);
  ExpectClosed();
  EXPECT_EQ(Text2()->text(), QStringLiteral("104233"));
  const Rendered expected = RenderWithText(Samples().directory, QStringLiteral("104233"));
  EXPECT_EQ(Text1()->CopyText(), QString::fromUtf8(expected.out));
  EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(SearchDialogTest, TheNumberTakesDigitsOnlyAndAsManyAsTyped) {
  SearchDialog* dialog = Open(Qt::Key_F3);
  ASSERT_NE(dialog, nullptr);
  In<QGroupBox>(dialog, "days")->setChecked(false);
  auto* number = In<QLineEdit>(dialog, "number");
  auto* results = In<QTableWidget>(dialog, "results");
  struct Case {
    QString typed;
    QString kept;
    int rows;
    bool pasted = false;
  };
  // M103871 is one of the two receipts of the sample data with two totals rows.
  for (const Case& c : {Case{QStringLiteral("0103871"), QStringLiteral("0103871"), 2},
                        Case{QStringLiteral("M1 03871-001"), QStringLiteral("103871001"), 0},
                        Case{QStringLiteral("M103871-001"), QStringLiteral("103871"), 2, true},
                        Case{QString(60, QLatin1Char('0')) + QStringLiteral("103871"),
                             QString(60, QLatin1Char('0')) + QStringLiteral("103871"), 2}}) {
    number->clear();
    if (c.pasted) {
      number->insert(c.typed);
    } else {
      QTest::keyClicks(number, c.typed);
    }
    EXPECT_EQ(number->text(), c.kept) << c.typed.toStdString();
    QTest::keyClick(number, Qt::Key_Return);
    ASSERT_EQ(results->rowCount(), c.rows) << c.typed.toStdString();
    for (int row = 0; row < c.rows; ++row) {
      EXPECT_EQ(results->item(row, 0)->text(), QStringLiteral("M103871-001"));
    }
  }
}

TEST_F(SearchDialogTest, OnlyTheTablesKeysOpenItFromEveryControlOfTheWindow) {
  struct Case {
    QKeyCombination key;
    bool opens;
  };
  const std::vector<QWidget*> controls = {Text1(), Command(1), Text2(), Command(2), Command(3)};
  for (const Case& c : {Case{Qt::CTRL | Qt::Key_F, true}, Case{QKeyCombination(Qt::Key_F3), true},
                        Case{Qt::CTRL | Qt::SHIFT | Qt::Key_F, false},
                        Case{Qt::SHIFT | Qt::Key_F3, false}, Case{Qt::ALT | Qt::Key_F, false}}) {
    for (QWidget* control : controls) {
      control->setFocus();
      QTest::keyClick(control, c.key.key(), c.key.keyboardModifiers());
      auto* dialog = form.findChild<SearchDialog*>();
      EXPECT_EQ(dialog != nullptr, c.opens) << QKeySequence(c.key).toString().toStdString()
                                            << " in " << control->objectName().toStdString();
      if (dialog) {
        dialog->reject();
        ExpectClosed();
      }
    }
  }
}

TEST_F(SearchDialogTest, TheTotalTakesAnAmountAsTypedAndABadOneIsSelectedForRetyping) {
  SearchDialog* dialog = Open(Qt::Key_F3);
  ASSERT_NE(dialog, nullptr);
  auto* total = In<QLineEdit>(dialog, "total");
  QTest::keyClicks(total, QStringLiteral("-12a.3x45678"));
  EXPECT_EQ(total->text(), QStringLiteral("-12.3456"));
  total->setText(QStringLiteral("-"));
  QTest::keyClick(total, Qt::Key_Return);
  EXPECT_EQ(messages.texts,
            QStringList(QStringLiteral("Tarkista yhteensä: esimerkiksi 20,19 tai -0,01.")));
  EXPECT_EQ(dialog->focusWidget(), total);
  EXPECT_EQ(total->selectedText(), QStringLiteral("-"));
}

TEST_F(SearchDialogTest, TabMovesFromFieldToFieldAndADayIsTypedWithOrWithoutDots) {
  SearchDialog* dialog = Open(Qt::Key_F3);
  ASSERT_NE(dialog, nullptr);
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
  auto* days = In<QGroupBox>(dialog, "days");
  auto* fromDay = In<QDateEdit>(dialog, "fromDay");
  auto* toDay = In<QDateEdit>(dialog, "toDay");
  const std::vector<QWidget*> order = {days, fromDay, toDay, In<QLineEdit>(dialog, "total")};
  days->setFocus();
  for (std::size_t i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
  }
  for (std::size_t i = order.size() - 1; i > 0; --i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), order[i - 1]) << i;
  }

  // Tab into the start selects its day; the typing then runs through the parts.
  struct Case {
    const char* typed;
    QDate day;
  };
  for (const Case& c :
       {Case{"05.04.2024", QDate(2024, 4, 5)}, Case{"05042024", QDate(2024, 4, 5)},
        Case{"5.4.2024", QDate(2024, 4, 5)}, Case{"1.4.2024", QDate(2024, 4, 1)},
        Case{"3.11.2024", QDate(2024, 11, 3)}, Case{"31.12.2024", QDate(2024, 12, 31)}}) {
    fromDay->setDate(QDate(2020, 1, 1));
    toDay->setDate(QDate(2030, 1, 1));
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), fromDay);
    QTest::keyClicks(fromDay, QString::fromLatin1(c.typed));
    QTest::keyClick(fromDay, Qt::Key_Tab);
    EXPECT_EQ(fromDay->date(), c.day) << c.typed;
    EXPECT_EQ(QApplication::focusWidget(), toDay) << c.typed;
  }
}

TEST_F(SearchDialogTest, ADayChangedInEitherFieldReachesTheRangeSteps) {
  SearchDialog* dialog = Open(Qt::Key_F3);
  ASSERT_NE(dialog, nullptr);
  auto* fromDay = In<QDateEdit>(dialog, "fromDay");
  auto* toDay = In<QDateEdit>(dialog, "toDay");
  const QDate march20(2025, 3, 20), march27(2025, 3, 27);
  // Set as the calendar sets it: the other field follows at once.
  fromDay->setDate(march20);
  toDay->setDate(march27);
  toDay->setDate(march20.addDays(-1));
  EXPECT_EQ(fromDay->date(), march20.addDays(-1));

  // Typed: the end follows once the start is whole, and the search takes the range.
  fromDay->setDate(march20);
  toDay->setDate(march27);
  fromDay->setFocus();
  fromDay->setSelectedSection(QDateTimeEdit::DaySection);
  QTest::keyClicks(fromDay, QStringLiteral("28"));
  EXPECT_EQ(toDay->date(), march27) << "a day half typed moves nothing";
  QTest::keyClick(fromDay, Qt::Key_Return);
  EXPECT_EQ(fromDay->date(), QDate(2025, 3, 28));
  EXPECT_EQ(toDay->date(), QDate(2025, 3, 28));
  auto* results = In<QTableWidget>(dialog, "results");
  ASSERT_GT(results->rowCount(), 0);
  for (int row = 0; row < results->rowCount(); ++row) {
    EXPECT_EQ(results->item(row, 1)->text(), QStringLiteral("28.03.2025")) << row;
  }
}

TEST_F(SearchDialogTest, ErrorsAreShownAndTheDialogStaysOpen) {
  const QString missing = Samples().directory + QStringLiteral("puuttuu/");
  form.SetDataPath(missing);
  SearchDialog* dialog = Open(Qt::Key_F3);
  ASSERT_NE(dialog, nullptr);
  auto* total = In<QLineEdit>(dialog, "total");
  QTest::keyClicks(total, QStringLiteral("-"));
  QTest::keyClick(total, Qt::Key_Return);
  total->clear();
  QTest::keyClick(total, Qt::Key_Return);
  const QString error =
      QStringLiteral("Virhe 76: Kansiota ei ole olemassa: ") + missing +
      QStringLiteral("\nDatakansio luetaan ") + QString::fromStdString(DataPathSettingSource()) +
      QStringLiteral(", jonka arvo on \"") + missing +
      QStringLiteral("\". Tarkista, että kansio on olemassa ja että siihen saadaan yhteys.");
  // Opening the dialog looks for the newest receipt, and says so first.
  EXPECT_EQ(messages.texts,
            QStringList(
                {error, QStringLiteral("Tarkista yhteensä: esimerkiksi 20,19 tai -0,01."), error}));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kuitti::test
