#include "paths.h"

#include <QCoreApplication>
#include <QDir>

namespace paths {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    QString folder = overrideFolder();
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void setProgramFolder(const QString &folder)
{
    overrideFolder() = folder;
}

QString inProgramFolder(const QString &relative)
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    if (rel.startsWith(QLatin1String("data/")))
        rel.replace(0, 4, QStringLiteral("Data"));
    return programFolder() + rel;
}

} // namespace paths
