#include "notedb.h"

#include "tovakierror.h"

#include <QFileInfo>

#include <sqlite3.h>

const std::array<const char *, NoteDb::ColumnCount> NoteDb::Columns = {
    "MondayCon", "TuesdayCon", "WednesdayCon", "ThursdayCon", "FridayCon", "SaturdayCon", "SundayCon"};

namespace {

// Table and column names come from the page mapping, never from the user; checking them keeps any
// other text out of the SQL all the same.
bool isPlainName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'_')
            return false;
    return true;
}

class Statement
{
public:
    Statement(sqlite3 *db, const QByteArray &sql)
    {
        m_rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &m_stmt, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    bool ok() const { return m_rc == SQLITE_OK && m_stmt; }
    sqlite3_stmt *get() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt = nullptr;
    int m_rc = SQLITE_OK;
};

} // namespace

NoteDb::~NoteDb()
{
    close();
}

void NoteDb::fail(const QString &what) const
{
    const QString detail = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
    throw TovakiError(detail.isEmpty() ? what : QStringLiteral("%1：%2").arg(what, detail));
}

void NoteDb::exec(const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        throw TovakiError(QStringLiteral("数据库操作失败（%1）：%2").arg(QString::fromLatin1(sql), message));
    }
}

void NoteDb::open(const QString &path)
{
    close();
    // Without SQLITE_OPEN_CREATE a missing file is an error instead of a new empty database.
    const QByteArray file = QFileInfo(path).absoluteFilePath().toUtf8();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    m_db = db;
    try {
        if (rc != SQLITE_OK)
            fail(QStringLiteral("无法打开数据库 %1").arg(path));
        sqlite3_extended_result_codes(m_db, 1);
        sqlite3_busy_timeout(m_db, 2000);
        // SQLite opens lazily: reading the schema is what finds a file that is not a database.
        exec("SELECT count(*) FROM sqlite_master");
        // The file is installed in WAL mode. A commit then appends to the log without an fsync, so an
        // acknowledged edit survives the process being killed; only a power loss may take the last
        // commits, and the file is never left corrupt. An fsync per keystroke would cost milliseconds.
        exec("PRAGMA synchronous=NORMAL");
    } catch (...) {
        close();
        throw;
    }
}

void NoteDb::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

std::optional<std::array<QByteArray, NoteDb::ColumnCount>> NoteDb::readRow(const QString &table)
{
    if (!m_db)
        throw TovakiError(QStringLiteral("数据库未打开"));
    if (!isPlainName(table))
        throw TovakiError(QStringLiteral("无效的表名“%1”").arg(table));
    QByteArray sql = "SELECT ";
    for (int i = 0; i < ColumnCount; ++i)
        sql += (i ? ", " : "") + QByteArray(Columns[size_t(i)]);
    sql += " FROM " + table.toLatin1() + " WHERE ID = 1";
    Statement stmt(m_db, sql);
    if (!stmt.ok())
        fail(QStringLiteral("无法读取表 %1").arg(table));
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_DONE)
        return std::nullopt;
    if (rc != SQLITE_ROW)
        fail(QStringLiteral("无法读取表 %1").arg(table));
    std::array<QByteArray, ColumnCount> row;
    for (int i = 0; i < ColumnCount; ++i) {
        const void *data = sqlite3_column_blob(stmt.get(), i);
        const int size = sqlite3_column_bytes(stmt.get(), i);
        if (data && size > 0)
            row[size_t(i)] = QByteArray(static_cast<const char *>(data), size);
    }
    return row;
}

bool NoteDb::writeColumns(const QString &table, const QList<std::pair<QString, QByteArray>> &values)
{
    if (!m_db)
        throw TovakiError(QStringLiteral("数据库未打开"));
    if (!isPlainName(table))
        throw TovakiError(QStringLiteral("无效的表名“%1”").arg(table));
    if (values.isEmpty())
        return true;
    QByteArray sql = "UPDATE " + table.toLatin1() + " SET ";
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (!isPlainName(values[i].first))
            throw TovakiError(QStringLiteral("无效的列名“%1”").arg(values[i].first));
        sql += (i ? ", " : "") + values[i].first.toLatin1() + " = ?";
    }
    sql += " WHERE ID = 1";
    Statement stmt(m_db, sql);
    if (!stmt.ok())
        fail(QStringLiteral("无法保存到表 %1").arg(table));
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QByteArray &bytes = values[i].second;
        // Bound without copying: the bytes outlive the statement.
        if (sqlite3_bind_blob64(stmt.get(), int(i + 1), bytes.constData(), sqlite3_uint64(bytes.size()),
                                SQLITE_STATIC) != SQLITE_OK)
            fail(QStringLiteral("无法保存到表 %1").arg(table));
    }
    // One UPDATE statement is one transaction: all columns are written, or none.
    if (sqlite3_step(stmt.get()) != SQLITE_DONE)
        fail(QStringLiteral("无法保存到表 %1").arg(table));
    return sqlite3_changes(m_db) > 0;
}
