// kuittikopio: shows and prints the receipt copy of a sales voucher.

#include <QApplication>
#include <cstdio>

#include "CommandLine.h"
#include "Form1.h"
#include "PlatformSettings.h"
#include "QtMessageBoxes.h"
#include "QtTranslation.h"
#include "SingleInstance.h"

namespace {

constexpr int kWrongOption = 2;

}  // namespace

int main(int argc, char** argv) {
  // Answered before the lock and before a display is opened: --help and --version work while
  // another instance runs and on a machine without a display.
  const kuitti::CommandLine early = kuitti::ReadCommandLine(kuitti::ArgumentsOf(argc, argv), false);
  if (early.request == kuitti::CommandLine::Request::ShowHelp) {
    std::fputs(kuitti::kUsage, stdout);
    return 0;
  }
  if (early.request == kuitti::CommandLine::Request::ShowVersion) {
    std::puts("kuittikopio " KUITTI_VERSION);
    return 0;
  }

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
  // QApplication has taken its own options out; whatever is left must be ours.
  const kuitti::CommandLine rest = kuitti::ReadCommandLine(QCoreApplication::arguments(), true);
  if (rest.request == kuitti::CommandLine::Request::Refuse) {
    std::fprintf(stderr, "kuittikopio: %s\nUsage: kuittikopio [--help | --version]\n",
                 qPrintable(rest.mistake));
    return kWrongOption;
  }
  const auto qtTranslation = kuitti::InstallQtTranslation(QLocale::system());
  kuitti::QtMessageBoxes messages;
  kuitti::Form1 form(messages, kuitti::MakeDefaultPrinter());
  form.show();
  if (start == kuitti::SingleInstance::Start::kFirst) {
    instance.ShowOnLaterStarts(form);
  }
  // The window paints before the setting is read.
  QCoreApplication::processEvents();
  form.SetDataPath(QString::fromStdString(kuitti::ReadDataPathSetting()));
  return application.exec();
}
