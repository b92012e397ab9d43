#pragma once

#include <functional>

#include "RuntimeError.h"

namespace kuitti::test {

// The number of the run-time error the action fails with; 0 when it does not fail.
inline int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

}  // namespace kuitti::test
