#pragma once

#include <QString>
#include <QStringList>

namespace kuitti {

// What the window program's command line asks for.
struct CommandLine {
  enum class Request { Run, ShowHelp, ShowVersion, Refuse };
  Request request = Request::Run;
  QString mistake;  // why the command line is refused, in Finnish
};

// Reads the command line, program name first, before the application object exists, so that a
// wrong option is refused also while another instance runs and without a display. Qt's own
// options (-platform NAME and the like, with one dash or two) are let through for Qt; --help
// and --version win over any mistake.
CommandLine ReadCommandLine(const QStringList& arguments);

// The command line as given, for reading it before any application object exists.
QStringList ArgumentsOf(int argc, char** argv);

extern const char kUsage[];  // the first line of the help
extern const char kHelp[];

}  // namespace kuitti
