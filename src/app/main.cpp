// kuittikopio: shows and prints the receipt copy of a sales voucher.

#include <QApplication>

#include "Form1.h"
#include "PlatformSettings.h"
#include "QtMessageBoxes.h"
#include "SingleInstance.h"

int main(int argc, char** argv) {
  // Before anything of the user interface exists: a second start ends silently.
  kuitti::SingleInstance instance;
  if (!instance.TryAcquire()) {
    return 0;
  }
  QApplication application(argc, argv);
  kuitti::QtMessageBoxes messages;
  kuitti::Form1 form(messages, kuitti::MakeDefaultPrinter());
  form.show();
  // The window paints before the setting is read.
  QCoreApplication::processEvents();
  form.SetDataPath(kuitti::ReadDataPathSetting());
  return application.exec();
}
