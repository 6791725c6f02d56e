#include "programfolder.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>
#include <stdexcept>

namespace {

struct Db
{
    explicit Db(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK)
            throw std::runtime_error("cannot open test database");
    }
    ~Db() { sqlite3_close_v2(db); }
    sqlite3 *db = nullptr;
};

} // namespace

ProgramFolder::ProgramFolder()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("source/DeskTopBG"));
}

void ProgramFolder::makeDatabase() const
{
    QFile schema(QStringLiteral(TOVAKI_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the schema");
    testdb::exec(databasePath(), QString::fromUtf8(schema.readAll()));
}

QString ProgramFolder::installProgram() const
{
    const QString target = file(QStringLiteral("tovaki"));
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(TOVAKI_PROGRAM), target))
        throw std::runtime_error("cannot copy the program");
    return target;
}

namespace testdb {

void exec(const QString &databasePath, const QString &sql)
{
    Db db(databasePath);
    char *error = nullptr;
    if (sqlite3_exec(db.db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "";
        sqlite3_free(error);
        throw std::runtime_error("test SQL failed: " + message);
    }
}

std::optional<QByteArray> column(const QString &databasePath, const QString &table, const QString &column)
{
    Db db(databasePath);
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 WHERE ID = 1").arg(column, table).toUtf8();
    if (sqlite3_prepare_v2(db.db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error("test query failed");
    std::optional<QByteArray> result;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        const void *data = sqlite3_column_blob(stmt, 0);
        result = data ? QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(stmt, 0)) : QByteArray();
    }
    sqlite3_finalize(stmt);
    return result;
}

void setColumn(const QString &databasePath, const QString &table, const QString &column, const QByteArray &value)
{
    Db db(databasePath);
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE ID = 1").arg(table, column).toUtf8();
    if (sqlite3_prepare_v2(db.db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error("test update failed");
    if (value.isNull())
        sqlite3_bind_null(stmt, 1);
    else
        sqlite3_bind_blob(stmt, 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        throw std::runtime_error("test update failed");
}

} // namespace testdb
