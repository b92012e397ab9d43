#pragma once

#include <functional>
#include <string>

namespace kuitti::test {

// What `produce` returns when run in a child process of its own. Qt keeps its settings paths,
// settings files and system locale for the life of a process, so asking it again in the same
// process would only repeat the first answer.
std::string InChildProcess(const std::function<std::string()>& produce);

}  // namespace kuitti::test
