// One running instance per user: a lock file held for the life of the program.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace gw {

// The per-user lock file of the program.
QString DefaultInstanceLockPath();
// Takes the lock, or nothing when another live instance holds it (a stale lock of a crashed
// instance is taken over).
std::unique_ptr<QLockFile> AcquireInstanceLock(const QString& lockPath);

}  // namespace gw
