#include "support/Process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

Outcome RunProgram(const std::string& program, const Command& command) {
  DataDirectory capture;
  const std::string outPath = (capture.path() / "stdout").string();
  const std::string errPath = (capture.path() / "stderr").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  if (!command.workingDirectory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, command.workingDirectory.c_str());
  }

  std::vector<std::string> arguments = {program};
  arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());
  std::vector<std::string> environment = command.environment;
  auto argv = Pointers(arguments);
  auto envp = Pointers(environment);

  pid_t pid = 0;
  const int spawned =
      posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    throw std::runtime_error("cannot run " + program);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  Outcome outcome;
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  outcome.out = ReadFileBytes(outPath);
  outcome.err = ReadFileBytes(errPath);
  return outcome;
}

std::vector<std::string> CurrentEnvironment() {
  std::vector<std::string> environment;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    environment.emplace_back(*variable);
  }
  return environment;
}

}  // namespace kuitti::test
