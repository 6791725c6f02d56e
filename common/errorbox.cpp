#include "errorbox.h"

#include "guard.h"
#include "lifecycle.h"

#include <QMessageBox>

void installMessageBoxes()
{
    messages::setSink([](messages::Kind kind, const QString &text) {
        if (lifecycle::endRequested())
            return;
        QMessageBox box(kind == messages::Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, messages::AppTitle,
                        text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    });
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
