#pragma once

#include <QString>
#include <QStringList>

namespace kuitti {

// What the window program's command line asks for.
struct CommandLine {
  enum class Request { Run, ShowHelp, ShowVersion, Refuse };
  Request request = Request::Run;
  QString mistake;  // why the command line is refused
};

// Reads the command line, program name first. Qt's own options (-platform NAME and the like)
// are taken out only by QApplication, so until it exists an option this program does not know
// is no mistake yet; `qtOptionsRemoved` says that they have been taken out.
CommandLine ReadCommandLine(const QStringList& arguments, bool qtOptionsRemoved);

// The command line as given, for reading it before any application object exists.
QStringList ArgumentsOf(int argc, char** argv);

extern const char kUsage[];

}  // namespace kuitti
