#include "lifecycle.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace lifecycle {

namespace {
bool g_endRequested = false;
}

void requestEnd()
{
    g_endRequested = true;
    // Queued, so a request made before the loop runs is not lost.
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool endRequested()
{
    return g_endRequested;
}

void resetEndRequest()
{
    g_endRequested = false;
}

} // namespace lifecycle
