#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

class QLocalServer;
class QWidget;

namespace kuitti {

// At most one running instance per user: a lock file in the user's runtime directory, or in the
// temp directory when that one cannot hold it. A lock left by an instance that died is taken
// over, so a crash never blocks the next start. Next to the lock, the running instance listens
// on a local socket, through which a later start asks it to bring its window to the front.
class SingleInstance {
 public:
  enum class Start {
    kFirst,        // this instance holds the lock until it ends
    kAnotherRuns,  // a live instance holds the lock: this start must end
    kUnprotected,  // the lock cannot be taken at all: run, without the protection
  };

  SingleInstance();
  ~SingleInstance();

  // Needs no application object, so a second start ends before any user interface exists.
  Start TryAcquire();

  // Why the lock could not be taken, in Finnish, after kUnprotected.
  QString UnprotectedReason() const;

  // Asks the instance that holds the lock to show its window; silent when it does not listen.
  void AskRunningInstanceToShow();

  // After kFirst, with the application object: every later start brings `window` to the front,
  // restored if minimised, raised and activated.
  void ShowOnLaterStarts(QWidget& window);

 private:
  std::unique_ptr<QLockFile> lock_;
  QString basePath_;  // the lock's path without ".lock"; the socket is ".socket"
  QStringList triedPaths_;
  std::unique_ptr<QLocalServer> server_;
};

}  // namespace kuitti
