#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

struct sqlite3;

// The note database: one SQLite file made at installation, tables tb_A … tb_E with the row ID = 1.
// The program only reads and updates content columns of that row; it never creates the file,
// a table or a row.
class NoteDb
{
public:
    static constexpr int ColumnCount = 7;
    // The content columns, in the order every load and save walks them.
    static const std::array<const char *, ColumnCount> Columns;

    NoteDb() = default;
    ~NoteDb();
    NoteDb(const NoteDb &) = delete;
    NoteDb &operator=(const NoteDb &) = delete;

    // Opens an existing database file and reads from it once, so a file that is not a database fails
    // here and not on the first page load. Throws TovakiError; the object stays closed then.
    void open(const QString &path);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // The seven content columns of row ID = 1 (NULL reads as empty), or nothing when the table has no
    // such row. Throws TovakiError when the database is closed or the table or a column is missing.
    std::optional<std::array<QByteArray, ColumnCount>> readRow(const QString &table);

    // Replaces the named content columns of row ID = 1 in one committed transaction. Returns false when
    // the table has no such row (nothing is written). Throws TovakiError on any database failure.
    bool writeColumns(const QString &table, const QList<std::pair<QString, QByteArray>> &values);

private:
    void exec(const char *sql);
    [[noreturn]] void fail(const QString &what) const;

    sqlite3 *m_db = nullptr;
};
