#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace singleinstance {

QString lockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool acquire(const QString &name)
{
    const QString folder = lockFolder();
    if (folder.isEmpty())
        return true;
    const QByteArray path = QDir(folder).filePath(name + QStringLiteral(".lock")).toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldElsewhere;
}

} // namespace singleinstance
