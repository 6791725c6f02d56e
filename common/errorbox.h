#pragma once

#include <QApplication>

// Shows messages as modal boxes captioned with the application title.
void installMessageBoxes();

// Last line of defence: a failure that escapes a handler not run through guarded() is shown in the
// standard error box instead of ending the program.
class TApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
