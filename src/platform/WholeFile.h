#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// Writes the bytes to the file at `path` (UTF-8), whole or not at all: at a new path or over a
// regular file they go to a temporary file beside it, which replaces the file only once it is
// complete, so a failure leaves no partial file and an existing file untouched. A path that
// exists and is no regular file, such as a device or a named pipe, is written into directly,
// never replaced. Failures raise RuntimeError naming the file or its folder.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace kuitti
