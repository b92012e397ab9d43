#pragma once

#include <string>

#include <gtest/gtest.h>

namespace kuitti::test {

// The path of a file under tests/golden.
std::string GoldenPath(const std::string& name);

// The exact bytes of a golden copy.
std::string ReadGolden(const std::string& name);

// Succeeds when the copy equals the golden file byte for byte; otherwise names the first line
// that differs and shows both lines with their line ends made visible.
testing::AssertionResult MatchesGolden(const std::string& copy, const std::string& name);

// Succeeds when the text equals the expected one byte for byte; otherwise names the first line
// that differs in the text called `name`, as MatchesGolden does.
testing::AssertionResult SameText(const std::string& text, const std::string& expected,
                                  const std::string& name);

}  // namespace kuitti::test
