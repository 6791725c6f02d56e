#pragma once

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

// Drives the real program: starts it in a program folder with its own runtime folder, and talks to
// its windows through xdotool on the X server of $DISPLAY.
class ProgramRun
{
public:
    enum class Platform { Offscreen, X11 };

    ProgramRun(const QString &program, const QString &runtimeFolder, Platform platform);
    ~ProgramRun();
    QProcess &process() { return m_process; }
    qint64 pid() const { return m_process.processId(); }
    // SIGKILL, as a crash or a power-off of the process would end it.
    void killHard();

private:
    QProcess m_process;
};

namespace desktop {
// Whether an X server and xdotool are at hand.
bool available(QString *why);
// Runs xdotool; returns its trimmed output, or a null string on failure.
QString xdotool(const QStringList &arguments, int timeoutMs = 10000);
// The id of the first visible window of the process whose name matches the pattern, waiting up to timeoutMs.
QString waitForWindow(qint64 pid, const QString &namePattern, int timeoutMs = 15000);
QRect geometry(const QString &window);
} // namespace desktop

namespace lockfile {
// Whether some process holds the flock of that file (read from /proc/locks, without touching the lock).
bool held(const QString &path);
} // namespace lockfile

namespace desktop {
// Waits until the pixel at the screen point has the colour, and returns the colour seen last.
QColor waitForPixel(QPoint screenPoint, const QColor &expected, int timeoutMs = 8000);
// The screen's pixels in the rectangle (needs the test's own X connection).
QImage grab(const QRect &screenRect);
} // namespace desktop
