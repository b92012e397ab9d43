#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "app/WindowCommandLine.h"

namespace kuitti {

// Reads the command line, program name first, before the application object exists, so that a
// wrong option is refused also while another instance runs and without a display. Qt's own
// options (-platform NAME and the like, with one dash or two) are let through for Qt; --help
// and --version win over any mistake.
WindowCommandLine ReadCommandLine(const QStringList& arguments);

// The command line as given, for reading it before any application object exists.
QStringList ArgumentsOf(int argc, char** argv);

extern const char kUsage[];  // the first line of the help
extern const std::string kHelp;

}  // namespace kuitti
