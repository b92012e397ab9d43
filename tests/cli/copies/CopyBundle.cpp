#include "cli/copies/CopyBundle.h"

#include <set>
#include <stdexcept>

#include "data/CodePage.h"
#include "data/Utf8.h"

namespace kuitti::test {
namespace {

constexpr std::string_view kTrailerStart = "\n\x1e";
constexpr std::size_t kRowLength = 104;

}  // namespace

std::string BundleTrailer(std::string_view voucher, int status) {
  std::string trailer(kTrailerStart);
  trailer.append(voucher).append(" ").append(std::to_string(status)).append("\n");
  return trailer;
}

std::vector<BundledCopy> ReadBundle(std::string_view bundle) {
  std::vector<BundledCopy> copies;
  std::size_t start = 0;
  while (start < bundle.size()) {
    const std::size_t trailer = bundle.find(kTrailerStart, start);
    const std::size_t lineEnd = trailer == std::string_view::npos
                                    ? std::string_view::npos
                                    : bundle.find('\n', trailer + kTrailerStart.size());
    if (lineEnd == std::string_view::npos) {
      throw std::runtime_error("a copy without its trailer at byte " + std::to_string(start));
    }
    const std::string_view named =
        bundle.substr(trailer + kTrailerStart.size(), lineEnd - trailer - kTrailerStart.size());
    const std::size_t space = named.rfind(' ');
    if (space == std::string_view::npos) {
      throw std::runtime_error("a trailer without a status at byte " + std::to_string(trailer));
    }
    copies.push_back({std::string(named.substr(0, space)),
                      std::stoi(std::string(named.substr(space + 1))),
                      std::string(bundle.substr(start, trailer - start))});
    start = lineEnd + 1;
  }
  return copies;
}

std::vector<std::string> RenderedVouchers(std::string_view rowFile) {
  std::set<std::string> vouchers;
  for (std::size_t offset = 0; offset + kRowLength <= rowFile.size(); offset += kRowLength) {
    if (std::string_view("MIAmia").find(rowFile[offset]) == std::string_view::npos) {
      continue;
    }
    std::u32string voucher;
    for (std::size_t i = 1; i <= 6; ++i) {
      voucher += DecodeWindows1252(static_cast<unsigned char>(rowFile[offset + i]));
    }
    vouchers.insert(EncodeUtf8(voucher));
  }
  return {vouchers.begin(), vouchers.end()};
}

}  // namespace kuitti::test
