// The Qt Form1's Ctrl+S and the copy box's context menu, wired to the shared commands: the save
// dialog opens where and with the name the shared step asks, and the menu is the shared table.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/Commands.h"
#include "app/qt/Form1Fixture.h"
#include "app/qt/QStringPrinting.h"
#include "app/qt/SampleData.h"

namespace kuitti::test {
namespace {

class Form1SaveAsPdfTest : public Form1Fixture {
 protected:
  Form1SaveAsPdfTest() {
    form.SetDataPath(Samples().directory);
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(Text2(), Samples().voucher);
    QTest::keyClick(Text2(), Qt::Key_Return);
  }

  // Runs `answer` on the first widget of the type that opens, once it is up.
  template <typename Widget>
  static void WhenOpen(std::function<void(Widget*)> answer) {
    QTimer::singleShot(50, [answer] {
      QWidget* open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                        : QApplication::activeModalWidget();
      if (auto* widget = qobject_cast<Widget*>(open)) {
        answer(widget);
      } else {
        WhenOpen<Widget>(answer);
      }
    });
  }
};

TEST_F(Form1SaveAsPdfTest, CtrlSSavesTheCopyWhereTheUserChoosesUnderTheHeadingsName) {
  // A home of the test's own, with a Documents folder.
  QTemporaryDir home;
  const QByteArray realHome = qgetenv("HOME");
  qputenv("HOME", home.path().toLocal8Bit());
  ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
  QTemporaryDir directory;
  QString proposed;
  QString folder;
  WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
    proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
    folder = dialog->directory().absolutePath();
    // The user goes to another folder and takes the name proposed.
    dialog->setDirectory(directory.path());
    static_cast<QDialog*>(dialog)->accept();
  });
  QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  qputenv("HOME", realHome);
  EXPECT_EQ(proposed, QStringLiteral("Kuittikopio M%1-001.pdf").arg(Samples().voucher));
  EXPECT_EQ(folder, QDir(home.filePath(QStringLiteral("Documents"))).absolutePath());
  QFile pdf(directory.filePath(proposed));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
  EXPECT_EQ(form.focusWidget(), Text2());
}

TEST_F(Form1SaveAsPdfTest, TheCopyBoxsMenuIsTheSharedTableAndCopiesTheWholeCopy) {
  QStringList entries;
  WhenOpen<QMenu>([&](QMenu* menu) {
    for (QAction* action : menu->actions()) {
      entries.append(action->text());
    }
    menu->actions().constLast()->trigger();
    menu->close();
  });
  QApplication::clipboard()->clear();
  emit Text1()->customContextMenuRequested(QPoint(10, 10));
  QStringList expected;
  for (const kuitti::Command command : kCopyBoxMenu) {
    expected.append(
        QString::fromUtf8(TextOf(command).data(), static_cast<qsizetype>(TextOf(command).size())));
  }
  EXPECT_EQ(entries, expected);
  EXPECT_EQ(expected.constLast(), QStringLiteral("Kopioi"));
  EXPECT_EQ(QApplication::clipboard()->text(), Text1()->CopyText());
}

}  // namespace
}  // namespace kuitti::test
