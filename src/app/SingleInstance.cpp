// Single-instance lock.
#include "app/SingleInstance.h"

#include <unistd.h>
#include <QDir>

namespace gw {

QString DefaultInstanceLockPath() {
  return QDir::temp().filePath(QStringLiteral("gridwright-%1.lock").arg(getuid()));
}

std::unique_ptr<QLockFile> AcquireInstanceLock(const QString& lockPath) {
  auto lock = std::make_unique<QLockFile>(lockPath);
  lock->setStaleLockTime(0);  // only a lock whose owner process is gone is stale
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

}  // namespace gw
