// Form1 as it opens: controls, texts, places, tab order, fonts and colours.

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <vector>

#include "app/Commands.h"
#include "app/qt/Form1Fixture.h"

namespace kuitti::test {
namespace {

using Form1LayoutTest = Form1Fixture;

struct Placement {
  const char* name;
  QRect pixels;
};

// The twip table divided by 15.
const std::vector<Placement> kPlacements = {
    {"Label1", {8, 8, 121, 17}},     {"Label2", {128, 8, 41, 25}},   {"Text2", {144, 8, 113, 19}},
    {"Label3", {264, 8, 41, 25}},    {"Command1", {320, 8, 81, 25}}, {"Command3", {408, 8, 81, 25}},
    {"Command2", {520, 8, 81, 25}},  {"Text1", {0, 40, 601, 481}},   {"Label4", {8, 528, 289, 17}},
    {"Label5", {176, 528, 289, 17}},
};

TEST_F(Form1LayoutTest, WindowHasItsCaptionFixedClientAreaAndBothIconSizes) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Korvex - Tarjolux"));
  EXPECT_EQ(form.size(), QSize(602, 545));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  // The size is fixed: minimise and close, but nothing to maximise.
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  const QList<QSize> sizes = form.windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

TEST_F(Form1LayoutTest, EveryControlSitsAtItsPlace) {
  for (const Placement& placement : kPlacements) {
    QWidget* control = Child(placement.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), placement.pixels) << placement.name;
    EXPECT_TRUE(control->isVisible()) << placement.name;
  }
}

TEST_F(Form1LayoutTest, InitialTextsAndEnabledStates) {
  EXPECT_EQ(Child<QLabel>("Label1")->text(), QStringLiteral("Tositenumero"));
  EXPECT_EQ(Child<QLabel>("Label2")->text(), QStringLiteral("M"));
  EXPECT_EQ(Child<QLabel>("Label3")->text(), QStringLiteral("-001"));
  EXPECT_FALSE(Child<QLabel>("Label4")->text().isEmpty());
  EXPECT_TRUE(Child<QLabel>("Label5")->text().startsWith(QStringLiteral("www.")));
  EXPECT_EQ(Command(1)->text(), QStringLiteral("Hae"));
  EXPECT_EQ(Command(2)->text(), QStringLiteral("Sulje"));
  EXPECT_EQ(Command(3)->text(), QStringLiteral("Tulosta"));
  EXPECT_TRUE(Text1()->CopyText().isEmpty());
  EXPECT_TRUE(Text2()->text().isEmpty());
  for (int number = 1; number <= 3; ++number) {
    EXPECT_TRUE(Command(number)->isEnabled()) << number;
  }
  for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
    EXPECT_TRUE(Child<QLabel>(label)->alignment() & Qt::AlignLeft) << label;
    EXPECT_EQ(Child<QLabel>(label)->frameShape(), QFrame::NoFrame) << label;
  }
}

TEST_F(Form1LayoutTest, TabOrderFollowsTheTabIndex) {
  std::vector<QString> order;
  QWidget* widget = Text1();
  do {
    if (widget->parentWidget() == &form && (widget->focusPolicy() & Qt::TabFocus)) {
      order.push_back(widget->objectName());
    }
    widget = widget->nextInFocusChain();
  } while (widget != Text1());
  const std::vector<QString> expected = {QStringLiteral("Text1"), QStringLiteral("Command1"),
                                         QStringLiteral("Text2"), QStringLiteral("Command2"),
                                         QStringLiteral("Command3")};
  EXPECT_EQ(order, expected);
}

TEST_F(Form1LayoutTest, CopyBoxIsGreyFixedPitchCourierNewAndReadOnly) {
  const QFont font = Text1()->font();
  EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
  EXPECT_LE(font.pointSizeF(), 9.75);
  EXPECT_EQ(font.weight(), QFont::Normal);
  EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
  EXPECT_TRUE(font.fixedPitch());
  EXPECT_EQ(font.styleHint(), QFont::TypeWriter);
  EXPECT_EQ(Text1()->palette().color(QPalette::Base), QColor(224, 224, 224));
  EXPECT_EQ(Text1()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(Text1()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  EXPECT_EQ(Text1()->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_TRUE(Text1()->isReadOnly());
  EXPECT_TRUE(Text1()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  EXPECT_EQ(Text2()->toolTip(), QString::fromUtf8(kVoucherBoxTip.data(), kVoucherBoxTip.size()));
}

TEST_F(Form1LayoutTest, CopyBoxShowsAtLeast36WholeLinesOfAlignedUnclippedText) {
  // The characters of a copy that reach highest and lowest, on 60 lines.
  const QString tallAndDeep = QStringLiteral("ÅÄÖÉÜåäö€$@|_()[]{}gjpqyQ");
  Text1()->SetCopyText(QStringList(60, tallAndDeep).join(QStringLiteral("\r\n")));
  int wholeLines = 0;
  for (QTextBlock line = Text1()->document()->firstBlock(); line.isValid(); line = line.next()) {
    wholeLines += Text1()->viewport()->rect().contains(Text1()->cursorRect(QTextCursor(line)));
  }
  EXPECT_GE(wholeLines, 36);
  const QFontMetrics metrics(Text1()->font());
  EXPECT_LE(metrics.tightBoundingRect(tallAndDeep).height(),
            Text1()->cursorRect(QTextCursor(Text1()->document())).height());
  for (const QChar c : tallAndDeep + QStringLiteral(" ,.iMW")) {
    EXPECT_EQ(metrics.horizontalAdvance(c), metrics.horizontalAdvance(QLatin1Char('0')));
  }
}

TEST_F(Form1LayoutTest, ALongerCopyHasAScrollBarScrolledToTheTopAndTheKeyboardScrollsIt) {
  const auto lines = [](int count) {
    QStringList text;
    for (int line = 1; line <= count; ++line) {
      text.append(QStringLiteral("rivi %1").arg(line));
    }
    return text.join(QStringLiteral("\r\n"));
  };
  QScrollBar* bar = Text1()->verticalScrollBar();
  Text1()->SetCopyText(lines(36));
  QApplication::processEvents();
  EXPECT_FALSE(bar->isVisible()) << "a copy that fits";
  for (int round = 0; round < 2; ++round) {
    Text1()->SetCopyText(lines(61));
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); })) << round;
    EXPECT_EQ(bar->value(), 0) << round;
    Text1()->setFocus();
    QTest::keyClick(Text1(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    const QTextBlock last = Text1()->document()->lastBlock();
    EXPECT_TRUE(Text1()->viewport()->rect().contains(Text1()->cursorRect(QTextCursor(last))));
  }
}

}  // namespace
}  // namespace kuitti::test
