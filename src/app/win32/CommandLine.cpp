#include "app/win32/CommandLine.h"

#include <string_view>
#include <utility>

#include "app/win32/CallerOutput.h"
#include "platform/win32/WideText.h"

namespace kuitti {

const char kWindowUsage[] = "Käyttö: kuittikopio [/? | --help | --version]\n";

const std::string kWindowHelp = WindowHelp(
    kWindowUsage,
    "rekisteriarvo\n"
    "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Velkamora Oy\\Asiakas\\Datat.",
    "\\",
    "  /?, --help  näytä tämä ohje\n"
    "  --version   näytä versio\n"
    "\n"
    "Paluuarvo: 0 ikkuna suljettiin tai ohjelma oli jo auki, 2 virheellinen valitsin.\n");

namespace {

constexpr int kWrongOption = 2;

bool IsOption(std::wstring_view argument, std::wstring_view name) {
  return (argument.starts_with(L"--") && argument.substr(2) == name) ||
         (argument.starts_with(L"-") && argument.substr(1) == name);
}

}  // namespace

WindowCommandLine ReadWindowCommandLine(int argc, const wchar_t* const* argv) {
  bool help = false;
  bool version = false;
  std::string mistake;  // the first one
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view argument = argv[i];
    if (!optionsEnded && argument == L"--") {
      optionsEnded = true;
    } else if (!optionsEnded && (argument == L"/?" || IsOption(argument, L"help"))) {
      help = true;
    } else if (!optionsEnded && IsOption(argument, L"version")) {
      version = true;
    } else if (mistake.empty()) {
      const bool option = !optionsEnded && argument.size() > 1 &&
                          (argument.front() == L'-' || argument.front() == L'/');
      mistake = (option ? "tuntematon valitsin " : "ylimääräinen argumentti ") +
                Utf8FromWide(std::wstring(argument));
    }
  }
  return RequestOf(help, version, std::move(mistake));
}

std::optional<int> AnswerCommandLine(int argc, const wchar_t* const* argv) {
  const WindowCommandLine commandLine = ReadWindowCommandLine(argc, argv);
  switch (commandLine.request) {
    case WindowCommandLine::Request::kShowHelp:
      WriteToCaller(kWindowHelp, false);
      return 0;
    case WindowCommandLine::Request::kShowVersion:
      WriteToCaller("kuittikopio " KUITTI_VERSION "\n", false);
      return 0;
    case WindowCommandLine::Request::kRefuse:
      WriteToCaller("kuittikopio: " + commandLine.mistake + "\n" + kWindowUsage, true);
      return kWrongOption;
    case WindowCommandLine::Request::kRun:
      break;
  }
  return std::nullopt;
}

}  // namespace kuitti
