#include "SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace kuitti {

namespace {

QString LockFilePath() {
  // Read directly rather than through QStandardPaths, which needs an application object and
  // warns about a missing runtime directory; the user id keeps a shared temp directory apart.
  QString directory = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (directory.isEmpty() || !QFileInfo(directory).isDir()) {
    directory = QDir::tempPath();
  }
  return directory + QStringLiteral("/kuittikopio-") + QString::number(getuid()) +
         QStringLiteral(".lock");
}

}  // namespace

SingleInstance::SingleInstance() : lock_(LockFilePath()) {
  // Only a dead owner makes the lock stale: by default QLockFile also gives up the lock of a
  // live instance after 30 seconds.
  lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
  return lock_.tryLock(0);
}

}  // namespace kuitti
