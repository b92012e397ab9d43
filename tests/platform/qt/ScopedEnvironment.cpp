#include "ScopedEnvironment.h"

#include <cstdlib>

namespace kuitti::test {

namespace {

void Set(const std::string& name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name.c_str(), value->c_str(), 1);
  } else {
    ::unsetenv(name.c_str());
  }
}

}  // namespace

ScopedEnvironment::ScopedEnvironment(const Variables& variables) {
  for (const auto& [name, value] : variables) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old == nullptr ? std::nullopt : std::optional<std::string>(old));
    Set(name, value);
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  for (auto variable = saved_.rbegin(); variable != saved_.rend(); ++variable) {
    Set(variable->first, variable->second);
  }
}

}  // namespace kuitti::test
