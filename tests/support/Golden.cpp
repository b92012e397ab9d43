#include "support/Golden.h"

#include <filesystem>

#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

std::string Visible(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

// The lines with their line ends kept, so a missing or extra CR LF shows.
std::vector<std::string> LinesWithEnds(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

}  // namespace

std::string GoldenPath(const std::string& name) {
  return (std::filesystem::path(KUITTI_TEST_SOURCE_DIR) / "golden" / name).string();
}

std::string ReadGolden(const std::string& name) {
  const std::string path = GoldenPath(name);
  if (!std::filesystem::exists(path)) {
    throw std::runtime_error("no golden file " + path);
  }
  return ReadFileBytes(path);
}

testing::AssertionResult MatchesGolden(const std::string& copy, const std::string& name) {
  return SameText(copy, ReadGolden(name), name);
}

testing::AssertionResult SameText(const std::string& copy, const std::string& expected,
                                  const std::string& name) {
  if (copy == expected) {
    return testing::AssertionSuccess();
  }
  const auto want = LinesWithEnds(expected);
  const auto got = LinesWithEnds(copy);
  for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    const std::string w = i < want.size() ? want[i] : "(none)";
    const std::string g = i < got.size() ? got[i] : "(none)";
    if (w != g) {
      return testing::AssertionFailure() << name << ": line " << i + 1 << " differs\n  expected: ["
                                         << Visible(w) << "]\n  actual:   [" << Visible(g) << "]";
    }
  }
  return testing::AssertionFailure() << name << " differs";
}

}  // namespace kuitti::test
