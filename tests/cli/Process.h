#pragma once

#include <string>
#include <vector>

namespace kuitti::test {

struct Outcome {
  int exitCode = -1;
  std::string out;  // standard output, bytes as written
  std::string err;  // standard error
};

struct Command {
  std::vector<std::string> arguments;    // without the program
  std::vector<std::string> environment;  // NAME=value, the whole environment
  std::string workingDirectory;          // empty: the test's own
};

// Runs the program to its end with the command's arguments and environment.
Outcome Run(const std::string& program, const Command& command);

// The renderer kuittikopio-text.
Outcome RunRenderer(const Command& command);

}  // namespace kuitti::test
