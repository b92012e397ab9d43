#pragma once

#include <optional>
#include <string>

namespace kuitti {

// What the window program's command line asks for: as on Linux, --help and --version (also
// with one dash) and Windows' own "/?"; any other argument is refused.
struct WindowCommandLine {
  enum class Request { kRun, kShowHelp, kShowVersion, kRefuse };
  Request request = Request::kRun;
  std::string mistake;  // why the command line is refused, in Finnish
};

// Reads the arguments, program name first; --help, /? and --version win over any mistake.
WindowCommandLine ReadWindowCommandLine(int argc, const wchar_t* const* argv);

// Answers a command line that asks for the help or the version, or is wrong, to whoever
// started the program, and gives the exit status; nothing when the window is to open.
std::optional<int> AnswerCommandLine(int argc, const wchar_t* const* argv);

extern const char kWindowUsage[];  // the first line of the help
extern const char kWindowHelp[];

}  // namespace kuitti
