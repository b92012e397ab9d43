#include "app/qt/CommandLine.h"

#include <array>
#include <string_view>

namespace kuitti {

const char kUsage[] = "Käyttö: kuittikopio [--help | --version]\n";

const std::string kHelp = WindowHelp(
    kUsage,
    "asetus [Asiakas] Datat\n"
    "tiedostossa $XDG_CONFIG_HOME/Velkamora Oy.ini (yleensä ~/.config/Velkamora Oy.ini).",
    "/",
    "  --help     näytä tämä ohje\n"
    "  --version  näytä versio\n"
    "\n"
    "Myös Qt:n omat valitsimet, kuten -platform NIMI, käyvät.\n"
    "Paluuarvo: 0 ikkuna suljettiin tai ohjelma oli jo auki, 1 näyttöä ei löytynyt,\n"
    "2 virheellinen valitsin.\n");

namespace {

struct QtOption {
  std::string_view name;
  bool takesValue;
};

// The options that Qt takes out of the command line on Linux: those of QGuiApplication,
// QApplication and the X11 platform.
constexpr std::array kQtOptions = {
    QtOption{"platform", true},        QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},   QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true}, QtOption{"qwindowicon", true},
    QtOption{"qwindowtitle", true},    QtOption{"geometry", true},
    QtOption{"title", true},           QtOption{"icon", true},
    QtOption{"display", true},         QtOption{"name", true},
    QtOption{"visual", true},          QtOption{"session", true},
    QtOption{"style", true},           QtOption{"stylesheet", true},
    QtOption{"qmljsdebugger", true},   QtOption{"reverse", false},
    QtOption{"widgetcount", false},    QtOption{"testability", false},
    QtOption{"nograb", false},         QtOption{"dograb", false},
};

// Qt reads "--name" as "-name", and "-style=NAME" and the like as an option with its value.
const QtOption* QtOptionOf(const QString& argument) {
  QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
  const bool valueAttached = name.contains(QLatin1Char('='));
  name = name.section(QLatin1Char('='), 0, 0);
  for (const QtOption& option : kQtOptions) {
    if (name == QLatin1String(option.name.data(), static_cast<qsizetype>(option.name.size())) &&
        (!valueAttached || option.takesValue)) {
      return &option;
    }
  }
  return nullptr;
}

bool IsOption(const QString& argument, const char* name) {
  return argument == QLatin1String("--") + QLatin1String(name) ||
         argument == QLatin1String("-") + QLatin1String(name);
}

}  // namespace

WindowCommandLine ReadCommandLine(const QStringList& arguments) {
  bool help = false;
  bool version = false;
  QString mistake;  // the first one
  const auto note = [&mistake](const QString& what) {
    if (mistake.isEmpty()) {
      mistake = what;
    }
  };
  bool optionsEnded = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QStringLiteral("-")) {
      note(QStringLiteral("ylimääräinen argumentti %1").arg(argument));
    } else if (argument == QStringLiteral("--")) {
      optionsEnded = true;
    } else if (IsOption(argument, "help")) {
      help = true;
    } else if (IsOption(argument, "version")) {
      version = true;
    } else if (const QtOption* option = QtOptionOf(argument)) {
      const bool valueFollows = option->takesValue && !argument.contains(QLatin1Char('='));
      if (valueFollows && ++i == arguments.size()) {
        note(QStringLiteral("valitsimen %1 arvo puuttuu").arg(argument));
      }
    } else {
      note(QStringLiteral("tuntematon valitsin %1").arg(argument));
    }
  }
  return RequestOf(help, version, mistake.toStdString());
}

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments.append(QString::fromLocal8Bit(argv[i]));
  }
  return arguments;
}

}  // namespace kuitti
