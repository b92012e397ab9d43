#pragma once

#include <string>
#include <string_view>

#include "BufferedOutput.h"
#include "DataFiles.h"
#include "Module1.h"

namespace kuitti::test {

// One fetch from the directory under Finnish number settings, with a fresh program state
// unless one is given.
BufferedOutput FetchFrom(const DataDirectory& directory, std::string_view entry);
BufferedOutput FetchFrom(const DataDirectory& directory, std::string_view entry, Module1& module,
                         std::string_view decimalSeparator = ",");

// The lines of a copy, split at CR LF.
std::vector<std::string> Lines(const std::string& copy);

}  // namespace kuitti::test
