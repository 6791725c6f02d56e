#pragma once

#include "messages.h"
#include "notedb.h"
#include "programfolder.h"

#include <QStringList>

#include <memory>

class TMainFrm;
namespace Ui {
class TMainFrm;
}

// A fresh program folder with its database, the main window over it as the program shows it, and the
// messages it raised. Leaves the program folder, the message sink and the end request as it found them.
class MainWindowFixture
{
public:
    MainWindowFixture();
    ~MainWindowFixture();

    // Creates and shows the main window; false when it did not get on screen.
    bool showWindow();
    TMainFrm *window() const { return m_window.get(); }
    Ui::TMainFrm *ui() const;

    void setColumn(const QString &table, const QString &column, const QByteArray &value) const;
    // The column of row ID = 1, "<no row>" when the row is missing.
    QByteArray column(const QString &table, const QString &column) const;
    void writeFile(const QString &relative, const QByteArray &content) const;

    ProgramFolder folder;
    QStringList shown;

private:
    NoteDb m_db;
    std::unique_ptr<TMainFrm> m_window;
    messages::Sink m_previousSink;
};
