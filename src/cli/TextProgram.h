#pragma once

namespace kuitti {

// kuittikopio-text with its arguments as UTF-8 (argv[0] the program); gives the exit status.
// The platform's entry point calls it.
int RunTextProgram(int argc, char** argv);

}  // namespace kuitti
