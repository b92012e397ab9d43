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

// Runs the program to its end with the command's arguments and environment; a program named
// without a directory is looked up in PATH.
Outcome RunProgram(const std::string& program, const Command& command);

// This process's environment, for a program that should run as the test itself does.
std::vector<std::string> CurrentEnvironment();

}  // namespace kuitti::test
