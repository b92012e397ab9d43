#pragma once

#include <functional>
#include <string>

#include "data/RuntimeError.h"

namespace kuitti::test {

// The run-time error an action fails with; number 0 when it does not fail.
struct RaisedError {
  int number = 0;
  std::string description;
};

inline RaisedError ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return {error.number(), error.description()};
  }
  return {};
}

inline int ErrorNumberOf(const std::function<void()>& action) {
  return ErrorOf(action).number;
}

}  // namespace kuitti::test
