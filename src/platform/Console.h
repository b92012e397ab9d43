#pragma once

#include <string_view>

namespace kuitti {

// The program's standard output and standard error. The text is UTF-8 and goes out byte for
// byte (CR LF stays CR LF) to a file or a pipe; a console window shows it as the characters
// they are.
void WriteOutput(std::string_view text);
void WriteError(std::string_view text);

// Pushes out what is buffered; false when standard output failed (a full disk, a closed pipe).
bool FlushOutput();

}  // namespace kuitti
