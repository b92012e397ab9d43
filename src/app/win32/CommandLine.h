#pragma once

#include <optional>
#include <string>

#include "app/WindowCommandLine.h"

namespace kuitti {

// Reads the arguments, program name first: as on Linux, --help and --version (also with one
// dash), and Windows' own "/?"; any other argument is refused.
WindowCommandLine ReadWindowCommandLine(int argc, const wchar_t* const* argv);

// Answers a command line that asks for the help or the version, or is wrong, to whoever
// started the program, and gives the exit status; nothing when the window is to open.
std::optional<int> AnswerCommandLine(int argc, const wchar_t* const* argv);

extern const char kWindowUsage[];  // the first line of the help
extern const std::string kWindowHelp;

}  // namespace kuitti
