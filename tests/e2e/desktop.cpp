#include "desktop.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <signal.h>
#include <sys/stat.h>

ProgramRun::ProgramRun(const QString &program, const QString &runtimeFolder, Platform platform)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtimeFolder);
    env.insert("QT_QPA_PLATFORM", platform == Platform::Offscreen ? "offscreen" : "xcb");
    env.remove("QT_IM_MODULE");
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, {});
    m_process.waitForStarted();
}

ProgramRun::~ProgramRun()
{
    if (m_process.state() != QProcess::NotRunning)
        killHard();
}

void ProgramRun::killHard()
{
    ::kill(pid_t(m_process.processId()), SIGKILL);
    m_process.waitForFinished(10000);
}

namespace desktop {

bool available(QString *why)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        *why = QStringLiteral("no X server: DISPLAY is not set");
        return false;
    }
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
        *why = QStringLiteral("xdotool is not installed");
        return false;
    }
    return true;
}

QString xdotool(const QStringList &arguments, int timeoutMs)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished();
        return QString();
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

QString waitForWindow(qint64 pid, const QString &namePattern, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString found =
            xdotool({"search", "--onlyvisible", "--pid", QString::number(pid), "--name", namePattern}, 3000);
        if (!found.isEmpty())
            return found.split(u'\n').first();
        QThread::msleep(100);
    }
    return QString();
}

QRect geometry(const QString &window)
{
    const QString shell = xdotool({"getwindowgeometry", "--shell", window});
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString &line : shell.split(u'\n')) {
        const QString value = line.section(u'=', 1);
        if (line.startsWith("X="))
            x = value.toInt();
        else if (line.startsWith("Y="))
            y = value.toInt();
        else if (line.startsWith("WIDTH="))
            w = value.toInt();
        else if (line.startsWith("HEIGHT="))
            h = value.toInt();
    }
    return QRect(x, y, w, h);
}

} // namespace desktop

namespace lockfile {

bool held(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    // Lines read "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF"; the device/inode field identifies the file.
    const QByteArray inode = ":" + QByteArray::number(qulonglong(st.st_ino)) + " ";
    for (const QByteArray &line : locks.readAll().split('\n'))
        if (line.contains("FLOCK") && line.contains(inode))
            return true;
    return false;
}

} // namespace lockfile

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace desktop {

QImage grab(const QRect &screenRect)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QImage();
    return screen->grabWindow(0, screenRect.x(), screenRect.y(), screenRect.width(), screenRect.height()).toImage();
}

QColor waitForPixel(QPoint screenPoint, const QColor &expected, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QColor seen;
    do {
        const QImage pixel = grab(QRect(screenPoint, QSize(1, 1)));
        seen = pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
        if (seen.rgb() == expected.rgb())
            return seen;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return seen;
}

} // namespace desktop
