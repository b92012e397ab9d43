// kuittikopio-screenshot DATA_DIR VOUCHER OUT.png: opens the window on an X display, fetches
// the voucher's copy as a user would and saves what the display shows of the window.
// kuittikopio-screenshot --search DATA_DIR FROM TO OUT.png: opens "Etsi kuitti" over the
// window as Ctrl+F does, searches the days FROM to TO (DD.MM.YYYY) and saves the dialog with
// the frame the window manager draws around it.

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/qt/Form1.h"
#include "app/qt/QtMessageBoxes.h"
#include "app/qt/SearchDialog.h"
#include "print/DefaultPrinter.h"

namespace {

constexpr const char* kUsage =
    "Usage: kuittikopio-screenshot DATA_DIR VOUCHER OUT.png\n"
    "       kuittikopio-screenshot --search DATA_DIR FROM TO OUT.png\n";

QDate Day(const char* text) {
  return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd.MM.yyyy"));
}

}  // namespace

int main(int argc, char** argv) {
  const bool search = argc == 6 && QByteArray(argv[1]) == "--search";
  if (argc != 4 && !search) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  char** args = search ? argv + 1 : argv;
  QApplication application(argc, argv);
  kuitti::QtMessageBoxes messages;
  kuitti::Form1 form(messages, kuitti::MakeDefaultPrinter());
  form.show();
  form.SetDataPath(QString::fromLocal8Bit(args[1]) + QLatin1Char('/'));

  QWidget* shot = &form;
  QString out;
  if (search) {
    QKeyEvent ctrlF(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier);
    QApplication::sendEvent(&form, &ctrlF);
    auto* dialog = form.findChild<kuitti::SearchDialog*>();
    dialog->findChild<QDateEdit*>(QStringLiteral("fromDay"))->setDate(Day(args[2]));
    dialog->findChild<QDateEdit*>(QStringLiteral("toDay"))->setDate(Day(args[3]));
    dialog->findChild<QPushButton*>(QStringLiteral("search"))->click();
    shot = dialog;
    out = QString::fromLocal8Bit(args[4]);
  } else {
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QString::fromLocal8Bit(args[2]));
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    out = QString::fromLocal8Bit(args[3]);
  }

  int status = 1;
  // Once the display has had time to draw the window, take what it shows.
  QTimer::singleShot(1500, &form, [&] {
    const QRect frame = shot->frameGeometry();
    const QPixmap pixels =
        search ? shot->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
               : shot->screen()->grabWindow(shot->winId());
    status = pixels.save(out) ? 0 : 1;
    QCoreApplication::quit();
  });
  QApplication::exec();
  return status;
}
