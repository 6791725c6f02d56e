#include "mainwindowfixture.h"

#include "lifecycle.h"
#include "paths.h"
#include "umain.h"

#include <QFile>
#include <QTest>

MainWindowFixture::MainWindowFixture()
{
    folder.makeDatabase();
    paths::setProgramFolder(folder.path());
    m_previousSink = messages::setSink([this](messages::Kind, const QString &text) { shown.append(text); });
}

MainWindowFixture::~MainWindowFixture()
{
    m_window.reset();
    m_db.close();
    messages::setSink(m_previousSink);
    paths::setProgramFolder(QString());
    lifecycle::resetEndRequest();
    FocusedPane = -1;
}

bool MainWindowFixture::showWindow()
{
    m_db.open(folder.databasePath());
    m_window = std::make_unique<TMainFrm>(m_db);
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

Ui::TMainFrm *MainWindowFixture::ui() const
{
    return m_window->form();
}

void MainWindowFixture::setColumn(const QString &table, const QString &column, const QByteArray &value) const
{
    testdb::setColumn(folder.databasePath(), table, column, value);
}

QByteArray MainWindowFixture::column(const QString &table, const QString &column) const
{
    return testdb::column(folder.databasePath(), table, column).value_or("<no row>");
}

void MainWindowFixture::writeFile(const QString &relative, const QByteArray &content) const
{
    QFile file(folder.file(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the fixture file %s", qPrintable(relative));
}
