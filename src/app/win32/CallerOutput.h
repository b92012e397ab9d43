#pragma once

#include <string_view>

namespace kuitti {

// Text for whoever started the window program from a command line (the help, the version, a
// wrong option): a program without a console of its own writes it to its standard stream when
// that is redirected, otherwise to the console of the command prompt that started it, and
// shows it in a message box when there is neither (started from Explorer or a shortcut).
void WriteToCaller(std::string_view text, bool isError);

}  // namespace kuitti
