#pragma once

#include <windows.h>

namespace kuitti {

// At most one running window per logon session: a named mutex in the session's namespace
// decides. Windows closes the mutex with the process that made it, however that process ends,
// so one left by a crash never blocks the next start.
class SingleInstance {
 public:
  explicit SingleInstance(const wchar_t* name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another process of the session already runs: this start must end. True also
  // when the mutex cannot be made at all; the program then runs without the protection.
  bool IsFirst() const { return first_; }

 private:
  HANDLE mutex_ = nullptr;
  bool first_ = true;
};

// Brings the top-level window of the class to the front, restored if minimised; false when no
// such window exists yet.
bool BringWindowToFront(const wchar_t* windowClass);

}  // namespace kuitti
