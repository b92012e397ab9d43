#include "CommandLine.h"

#include <QCommandLineParser>

namespace kuitti {

const char kUsage[] =
    "Usage: kuittikopio [--help | --version]\n"
    "\n"
    "Opens the window that shows and prints the receipt copy of a sales voucher. The data\n"
    "files CASSA.001, .002, .004 and .005 are read from the directory named by the setting\n"
    "[Asiakas] Datat of $XDG_CONFIG_HOME/Velkamora Oy.ini (normally ~/.config/Velkamora Oy.ini),\n"
    "read at start-up; the value must end with \"/\". One instance runs per user: a second\n"
    "start brings the running window to the front and ends.\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Qt's own options, such as -platform NAME, are accepted as well.\n"
    "Exit status: 0 the window was closed or another instance runs, 2 a wrong option.\n";

CommandLine ReadCommandLine(const QStringList& arguments, bool qtOptionsRemoved) {
  QCommandLineParser parser;
  // Qt's options are single-dash words; read them as such, not as bundles of letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringLiteral("help"));
  const QCommandLineOption version(QStringLiteral("version"));
  parser.addOption(help);
  parser.addOption(version);
  const bool known = parser.parse(arguments);

  if (parser.isSet(help)) {
    return {CommandLine::Request::ShowHelp, {}};
  }
  if (parser.isSet(version)) {
    return {CommandLine::Request::ShowVersion, {}};
  }
  if (!qtOptionsRemoved) {
    return {};
  }
  if (!known) {
    return {CommandLine::Request::Refuse, parser.errorText()};
  }
  if (!parser.positionalArguments().isEmpty()) {
    return {CommandLine::Request::Refuse,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())};
  }
  return {};
}

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments.append(QString::fromLocal8Bit(argv[i]));
  }
  return arguments;
}

}  // namespace kuitti
