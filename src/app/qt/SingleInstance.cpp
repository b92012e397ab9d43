#include "app/qt/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace kuitti {

namespace {

// A second start only pokes the running one; a busy or hung instance must not keep it waiting.
constexpr int kConnectTimeoutMs = 1000;

// Where the lock may lie, in order. Read directly rather than through QStandardPaths, which
// needs an application object and warns about a missing runtime directory.
QStringList LockDirectories() {
  QStringList directories;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
    directories.append(runtime);
  }
  if (!directories.contains(QDir::tempPath())) {
    directories.append(QDir::tempPath());
  }
  return directories;
}

QString BasePathIn(const QString& directory) {
  // The user id keeps a shared temp directory apart.
  return directory + QStringLiteral("/kuittikopio-") + QString::number(getuid());
}

void BringToFront(QWidget& window) {
  window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::TryAcquire() {
  for (const QString& directory : LockDirectories()) {
    basePath_ = BasePathIn(directory);
    lock_ = std::make_unique<QLockFile>(basePath_ + QStringLiteral(".lock"));
    // Only a dead owner makes the lock stale: by default QLockFile also gives up the lock of a
    // live instance after 30 seconds.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
      return Start::kFirst;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
      return Start::kAnotherRuns;
    }
    triedPaths_.append(lock_->fileName());
  }
  return Start::kUnprotected;
}

QString SingleInstance::UnprotectedReason() const {
  const QString cause = lock_->error() == QLockFile::PermissionError
                            ? QStringLiteral(" (kansioon ei ole kirjoitusoikeutta)")
                            : QString();
  return QStringLiteral(
             "Kaksoiskäynnistyksen esto ei ole käytössä, koska lukkotiedostoa ei "
             "voi luoda: %1%2. Ohjelma käynnistyy silti, mutta se voi olla auki "
             "useaan kertaan.")
      .arg(triedPaths_.join(QStringLiteral(", ")), cause);
}

void SingleInstance::AskRunningInstanceToShow() {
  QLocalSocket socket;
  socket.connectToServer(basePath_ + QStringLiteral(".socket"));
  // The connection is the whole request.
  if (socket.waitForConnected(kConnectTimeoutMs)) {
    socket.disconnectFromServer();
  }
}

void SingleInstance::ShowOnLaterStarts(QWidget& window) {
  const QString path = basePath_ + QStringLiteral(".socket");
  // This instance holds the lock, so a socket left there belongs to one that died.
  QLocalServer::removeServer(path);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(server_.get(), &QLocalServer::newConnection, &window, [this, &window] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      socket->deleteLater();
    }
    BringToFront(window);
  });
  // Without the socket a later start still ends; it only cannot show this window.
  server_->listen(path);
}

}  // namespace kuitti
