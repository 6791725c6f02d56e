#pragma once

#include <QString>

// One running instance per user: a lock file in the user's runtime folder, held with flock for the
// whole life of the process. The kernel drops the lock when the process ends, also after a crash.
namespace singleinstance {

// The folder that holds the lock: $XDG_RUNTIME_DIR, or Qt's runtime location when that is unset.
QString lockFolder();

// Takes the lock of that name. Returns false only when another process holds it; any other failure
// lets the start go on. The descriptor stays open, on purpose, until the process ends.
bool acquire(const QString &name);

} // namespace singleinstance
