#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kuitti::test {

// Many copies in one stream: each copy exactly as kuittikopio-text writes it to standard output,
// followed by a trailer line naming its voucher and the program's exit status. The trailer
// starts with a record separator, which no copy of the sample data holds.
std::string BundleTrailer(std::string_view voucher, int status);

struct BundledCopy {
  std::string voucher;
  int status = -1;
  std::string copy;
};

// The copies of a bundle in its order; throws std::runtime_error on a stream that is not one.
std::vector<BundledCopy> ReadBundle(std::string_view bundle);

// The voucher numbers of every row of CASSA.004 that a copy shows (kinds M, I and A in either
// case), decoded to UTF-8, sorted and each once.
std::vector<std::string> RenderedVouchers(std::string_view rowFile);

}  // namespace kuitti::test
