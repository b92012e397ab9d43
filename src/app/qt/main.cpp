// kuittikopio: shows and prints the receipt copy of a sales voucher.

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/qt/CommandLine.h"
#include "app/qt/DisplayCheck.h"
#include "app/qt/Form1.h"
#include "app/qt/QtMessageBoxes.h"
#include "app/qt/QtTranslation.h"
#include "app/qt/SingleInstance.h"
#include "platform/PlatformSettings.h"
#include "print/DefaultPrinter.h"

namespace {

constexpr int kWrongOption = 2;

}  // namespace

int main(int argc, char** argv) {
  // Answered before the lock and before a display is opened: --help, --version and a wrong
  // option work while another instance runs and on a machine without a display.
  const kuitti::WindowCommandLine commandLine =
      kuitti::ReadCommandLine(kuitti::ArgumentsOf(argc, argv));
  switch (commandLine.request) {
    case kuitti::WindowCommandLine::Request::kShowHelp:
      std::fputs(kuitti::kHelp.c_str(), stdout);
      return 0;
    case kuitti::WindowCommandLine::Request::kShowVersion:
      std::puts("kuittikopio " KUITTI_VERSION);
      return 0;
    case kuitti::WindowCommandLine::Request::kRefuse:
      std::fprintf(stderr, "kuittikopio: %s\n%s", commandLine.mistake.c_str(), kuitti::kUsage);
      return kWrongOption;
    case kuitti::WindowCommandLine::Request::kRun:
      break;
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
  std::unique_ptr<QApplication> application;
  {
    const kuitti::DisplayCheck displayCheck;
    application = std::make_unique<QApplication>(argc, argv);
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
  return QApplication::exec();
}
