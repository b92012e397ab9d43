#pragma once

#include <cstdint>
#include <filesystem>

#include "RecordWriter.h"

namespace kuitti::tools {

// The 43-byte record file that belongs to the set but that the tool never
// reads. It only has to exist and have the right record size.
FileSummary WriteFillerFile(const std::filesystem::path& path, std::uint64_t seed);

}  // namespace kuitti::tools
