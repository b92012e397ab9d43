#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace kuitti {

// The Windows common save dialog for a PDF file, owned by `owner`, opening in the user's
// Documents folder with `proposedName` (UTF-8); it asks before replacing a file. The path
// chosen, or nothing when the user cancelled.
std::optional<std::string> AskPdfPathInDocuments(HWND owner, std::string_view proposedName);

}  // namespace kuitti
