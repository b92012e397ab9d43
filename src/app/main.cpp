// kuittikopio: shows and prints the receipt copy of a sales voucher.

#include <QApplication>
#include <cstdio>

#include "Form1.h"
#include "PlatformSettings.h"
#include "QtMessageBoxes.h"
#include "QtTranslation.h"
#include "SingleInstance.h"

int main(int argc, char** argv) {
  // Before anything of the user interface exists: a second start shows the running window and
  // ends silently. A lock that cannot be taken at all does not keep staff from working.
  kuitti::SingleInstance instance;
  const kuitti::SingleInstance::Start start = instance.TryAcquire();
  if (start == kuitti::SingleInstance::Start::kAnotherRuns) {
    instance.AskRunningInstanceToShow();
    return 0;
  }
  if (start == kuitti::SingleInstance::Start::kUnprotected) {
    std::fprintf(stderr, "%s\n", instance.UnprotectedReason().toLocal8Bit().constData());
  }
  QApplication application(argc, argv);
  const auto qtTranslation = kuitti::InstallQtTranslation(QLocale::system());
  kuitti::QtMessageBoxes messages;
  kuitti::Form1 form(messages, kuitti::MakeDefaultPrinter());
  form.show();
  if (start == kuitti::SingleInstance::Start::kFirst) {
    instance.ShowOnLaterStarts(form);
  }
  // The window paints before the setting is read.
  QCoreApplication::processEvents();
  form.SetDataPath(kuitti::ReadDataPathSetting());
  return application.exec();
}
