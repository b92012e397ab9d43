#pragma once

#include <cstdint>
#include <filesystem>

#include "record_file.h"

namespace sample_data {

// The 43-byte record file that belongs to the set but that the tool never
// reads. It only has to exist and have the right record size.
FileSummary write_filler_file(const std::filesystem::path& path, std::uint64_t seed);

}  // namespace sample_data
