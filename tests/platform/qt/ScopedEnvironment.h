#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kuitti::test {

// Environment variables set (or, without a value, unset) for the life of the object, then put
// back as they were.
class ScopedEnvironment {
 public:
  using Variables = std::vector<std::pair<std::string, std::optional<std::string>>>;

  explicit ScopedEnvironment(const Variables& variables);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  Variables saved_;
};

}  // namespace kuitti::test
