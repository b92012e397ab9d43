// kuittikopio-screenshot DATA_DIR VOUCHER OUT.png: opens the window on an X display, fetches
// the voucher's copy as a user would and saves what the display shows of the window.

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "Form1.h"
#include "QtMessageBoxes.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("Usage: kuittikopio-screenshot DATA_DIR VOUCHER OUT.png\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  kuitti::QtMessageBoxes messages;
  kuitti::Form1 form(messages, kuitti::MakeDefaultPrinter());
  form.show();
  form.SetDataPath(QString::fromLocal8Bit(argv[1]) + QLatin1Char('/'));
  form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QString::fromLocal8Bit(argv[2]));
  form.HaeKuitti();

  int status = 1;
  // Once the display has had time to draw the window, take what it shows.
  QTimer::singleShot(1500, &form, [&] {
    const QPixmap shot = form.screen()->grabWindow(form.winId());
    status = shot.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    QCoreApplication::quit();
  });
  QApplication::exec();
  return status;
}
