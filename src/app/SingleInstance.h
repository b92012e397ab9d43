#pragma once

#include <QLockFile>

namespace kuitti {

// At most one running instance per user: a lock file in the user's runtime directory. A lock
// left by an instance that died is taken over, so a crash never blocks the next start.
class SingleInstance {
 public:
  SingleInstance();

  // True when no other instance runs; this one then holds the lock until it ends.
  bool TryAcquire();

 private:
  QLockFile lock_;
};

}  // namespace kuitti
