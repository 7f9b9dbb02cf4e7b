#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

/// A statement prepared through SQLite's own interface on the connection Qt opened: large
/// reads go through it without a QVariant and a UTF-16 copy per cell. Finalized when it goes,
/// which must happen before its connection closes. Errors raise a ServerError.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    /// Binds positional values (null, booleans, integers, numbers, text, bytes) to a fresh run.
    void bind(const QVariantList& binds);
    /// Steps to the next row; false after the last one.
    bool step();
    /// Ends the run, releasing the read snapshot; the bindings are cleared.
    void reset();

    bool isNull(int column) const;
    int toInt(int column) const;
    double toDouble(int column) const;
    /// Text of the current row as UTF-8, valid until the next step.
    QByteArrayView utf8(int column) const;

private:
    void bindOne(int position, const QVariant& value);
    [[noreturn]] void fail(const QString& what) const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

/// The rows of a bound SqliteStatement, read in place; resets the statement when it goes out
/// of scope, so a cached statement never keeps the connection looking at old data.
class SqliteRows
{
public:
    explicit SqliteRows(SqliteStatement& statement) : m_statement(&statement) {}
    SqliteRows(const SqliteRows&) = delete;
    SqliteRows& operator=(const SqliteRows&) = delete;
    ~SqliteRows() { m_statement->reset(); }

    bool next() { return m_statement->step(); }
    bool isNull(int i) const { return m_statement->isNull(i); }
    int toInt(int i) const { return m_statement->toInt(i); }
    double toDouble(int i) const { return m_statement->toDouble(i); }
    QByteArrayView utf8(int i) const { return m_statement->utf8(i); }

private:
    SqliteStatement* m_statement;
};
