#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// What the window program's command line asks for, on every platform: the help or the
// version, which win over any mistake, a refusal naming the first mistake, or the window.
struct WindowCommandLine {
  enum class Request { kRun, kShowHelp, kShowVersion, kRefuse };
  Request request = Request::kRun;
  std::string mistake;  // why the command line is refused, in Finnish
};

// The request of a command line read to its end.
WindowCommandLine RequestOf(bool help, bool version, std::string mistake);

// The window program's help: the usage line, what the program does, reading the data
// directory from `setting` (where the setting lives, whole lines but the first) which must end
// with `separator`, the keys of the window, then the platform's `options` and exit statuses.
std::string WindowHelp(std::string_view usage, std::string_view setting, std::string_view separator,
                       std::string_view options);

// The keys of the window, as both platforms' help lists them.
inline constexpr std::string_view kWindowKeysHelp =
    "Näppäimet ikkunassa:\n"
    "  Enter      hae tositenumeron kuitti\n"
    "  Ctrl+F, F3 etsi kuitti päivän, summan tai tuotteen mukaan; haku avautuu\n"
    "             viimeisimmän kuitin päivälle, viimeisin kuitti valittuna\n"
    "  Ctrl+P     tulosta kopio\n"
    "  Ctrl+S     tallenna kopio PDF-tiedostoksi\n";

}  // namespace kuitti
