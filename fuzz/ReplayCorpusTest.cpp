// Every input in the corpus, seeds and past findings alike, runs as an ordinary test.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace kuitti::test {
namespace {

TEST(FuzzCorpus, EveryInputRunsToAnOrdinaryOutcome) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KUITTI_FUZZ_CORPUS_DIR)) {
    if (!entry.is_regular_file()) {
      continue;
    }
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
        0);
    ++count;
  }
  EXPECT_GT(count, 0u) << "the corpus is empty";
}

}  // namespace
}  // namespace kuitti::test
