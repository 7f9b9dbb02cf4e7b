#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

class QSqlDatabase;

/// Everything that differs between the SQLite and the PostgreSQL back end, in one place.
/// The queries themselves are plain SQL that both accept.
class SqlDialect
{
public:
    explicit SqlDialect(bool sqlite) : m_sqlite(sqlite) {}

    bool isSqlite() const { return m_sqlite; }
    /// Column type of an integer key the database numbers itself.
    QString autoKey() const;
    QString blobType() const;
    /// Column type of search words, compared byte-wise so that prefix ranges work.
    QString wordType() const;
    /// Starts a transaction that will write; on SQLite it takes the write lock at once so
    /// that concurrent writers wait instead of failing on a lock upgrade.
    QString beginWrite() const;
    /// Connection settings applied right after opening.
    QStringList sessionStatements() const;
    /// Statements run after the demo data is loaded with explicit keys.
    QStringList afterSeedStatements(const QStringList& keyedTables) const;
    /// Statement run once the demo load is committed: SQLite moves the load out of its
    /// write-ahead log (which otherwise stays as large as the database and slows every
    /// read), PostgreSQL gathers the statistics its planner needs.
    QString afterLoadStatement() const;

    /// Dates are bound as text so that both back ends compare them the same way.
    static QString dateText(const QDate& date);
    static QString dateTimeText(const QDateTime& dateTime);
    /// Reads a date or date-time column value as the back end delivers it.
    static QDateTime toDateTime(const QVariant& value);

private:
    bool m_sqlite;
};
