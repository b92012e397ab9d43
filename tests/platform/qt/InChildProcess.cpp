#include "InChildProcess.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kuitti::test {

std::string InChildProcess(const std::function<std::string()>& produce) {
  int pipe[2];
  if (::pipe(pipe) != 0) {
    ADD_FAILURE() << "no pipe";
    return {};
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    const std::string text = produce();
    const bool written =
        ::write(pipe[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::_exit(written ? 0 : 1);
  }
  ::close(pipe[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child process failed";
  return text;
}

}  // namespace kuitti::test
