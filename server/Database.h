#pragma once

#include "SqlDialect.h"
#include "SqlStatement.h"
#include "SqliteStatement.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

/// Where the data lives: a SQLite file or a PostgreSQL connection string.
struct DatabaseSettings
{
    QString sqlitePath;
    QString postgres; // "host=… port=… dbname=… user=… password=…"
};

/// One database connection, used by exactly one thread, with its own cache of prepared
/// statements. Every failure raises a ServerError with the driver's text.
class Database
{
public:
    Database(const DatabaseSettings& settings, const QString& connectionName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const SqlDialect& dialect() const { return m_dialect; }
    QSqlDatabase& handle() { return m_db; }

    /// Prepares (once per connection) and runs `sql` with positional `binds`.
    SqlStatement query(const QString& sql, const QVariantList& binds = {});
    /// SQLite only: prepares (once per connection) and runs `sql` through SQLite's own
    /// interface, for reads too large to go through a QVariant per cell.
    SqliteRows sqliteQuery(const QString& sql, const QVariantList& binds = {});
    /// Runs a statement without result rows; returns the number of rows it changed.
    int exec(const QString& sql, const QVariantList& binds = {});
    /// Runs a statement that is not cached (schema, pragmas).
    void execDirect(const QString& sql);
    /// Runs `work` inside a write transaction; commits, or rolls back and rethrows.
    void writeTransaction(const std::function<void()>& work);
    bool hasTable(const QString& name);

private:
    QSqlQuery& prepared(const QString& sql);
    sqlite3* sqliteHandle() const;

    QString m_name;
    QSqlDatabase m_db;
    SqlDialect m_dialect;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    QHash<QString, std::shared_ptr<SqliteStatement>> m_sqliteStatements;
};
