#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <optional>

// A fresh program folder in a temporary directory, with Data/ and source/DeskTopBG/.
class ProgramFolder
{
public:
    ProgramFolder();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString &relative) const { return path() + relative; }
    QString databasePath() const { return file(QStringLiteral("Data/UserData.mdb")); }

    // Makes Data/UserData.mdb from the installed schema.
    void makeDatabase() const;
    // Copies the built program into the folder and returns its path.
    QString installProgram() const;

private:
    QTemporaryDir m_dir;
};

// Direct SQL on a test database, outside the code under test.
namespace testdb {
void exec(const QString &databasePath, const QString &sql);
// The column of row ID = 1; nothing when the row is missing, an empty optional byte array for NULL.
std::optional<QByteArray> column(const QString &databasePath, const QString &table, const QString &column);
void setColumn(const QString &databasePath, const QString &table, const QString &column, const QByteArray &value);
} // namespace testdb
