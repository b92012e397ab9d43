#include "app/qt/DisplayCheck.h"

#include <cstdio>
#include <cstdlib>

namespace kuitti {

namespace {

constexpr int kNoDisplay = 1;

QStringList& HeldMessages() {
  static QStringList held;
  return held;
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", NoDisplayLine().toLocal8Bit().constData());
    // Qt is half made: nothing of it may run on the way out.
    std::_Exit(kNoDisplay);
  }
  HeldMessages().append(qFormatLogMessage(type, context, message));
}

}  // namespace

DisplayCheck::DisplayCheck() : previous_(qInstallMessageHandler(HoldOrEnd)) {}

DisplayCheck::~DisplayCheck() {
  qInstallMessageHandler(previous_);
  for (const QString& message : HeldMessages()) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
  HeldMessages().clear();
}

QString NoDisplayLine() {
  const QString display = qEnvironmentVariable("DISPLAY");
  const QString which = display.isEmpty() ? QStringLiteral("DISPLAY ei ole asetettu")
                                          : QStringLiteral("DISPLAY=%1").arg(display);
  return QStringLiteral("kuittikopio: näyttöä ei löytynyt (%1), joten ikkunaa ei voi avata.")
      .arg(which);
}

}  // namespace kuitti
