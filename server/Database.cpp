#include "Database.h"

#include "ServerError.h"

#include <QSqlDriver>
#include <QSqlError>

namespace {

[[noreturn]] void fail(const QString& what, const QSqlError& error)
{
    throw ServerError(QStringLiteral("Veritabanı hatası (%1): %2").arg(what, error.text()));
}

void applyConnInfo(QSqlDatabase& db, const QString& conninfo)
{
    for (const QString& pair : conninfo.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        if (key == u"host")
            db.setHostName(value);
        else if (key == u"port")
            db.setPort(value.toInt());
        else if (key == u"dbname")
            db.setDatabaseName(value);
        else if (key == u"user")
            db.setUserName(value);
        else if (key == u"password")
            db.setPassword(value);
    }
}

} // namespace

Database::Database(const DatabaseSettings& settings, const QString& connectionName)
    : m_name(connectionName), m_dialect(settings.postgres.isEmpty())
{
    if (m_dialect.isSqlite()) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        m_db.setDatabaseName(settings.sqlitePath);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=20000"));
    } else {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        applyConnInfo(m_db, settings.postgres);
    }
    if (!m_db.open())
        fail(QStringLiteral("açılış"), m_db.lastError());
    for (const QString& s : m_dialect.sessionStatements())
        execDirect(s);
}

Database::~Database()
{
    // SQLite refuses to close a connection with statements still prepared on it.
    m_statements.clear();
    m_sqliteStatements.clear();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlQuery& Database::prepared(const QString& sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        auto q = std::make_shared<QSqlQuery>(m_db);
        q->setForwardOnly(true);
        if (!q->prepare(sql))
            fail(sql.left(60), q->lastError());
        it = m_statements.insert(sql, q);
    }
    return **it;
}

SqlStatement Database::query(const QString& sql, const QVariantList& binds)
{
    QSqlQuery& q = prepared(sql);
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, binds[i]);
    if (!q.exec()) {
        const QSqlError error = q.lastError();
        q.finish();
        fail(sql.left(60), error);
    }
    return SqlStatement(q);
}

sqlite3* Database::sqliteHandle() const
{
    const QVariant handle = m_db.driver()->handle();
    if (!m_dialect.isSqlite() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw ServerError(QStringLiteral("Veritabanı hatası: SQLite bağlantısı yok"));
    return *static_cast<sqlite3* const*>(handle.constData());
}

SqliteRows Database::sqliteQuery(const QString& sql, const QVariantList& binds)
{
    auto it = m_sqliteStatements.find(sql);
    if (it == m_sqliteStatements.end())
        it = m_sqliteStatements.insert(sql,
                                       std::make_shared<SqliteStatement>(sqliteHandle(), sql));
    SqliteStatement& statement = **it;
    statement.bind(binds);
    return SqliteRows(statement);
}

int Database::exec(const QString& sql, const QVariantList& binds)
{
    SqlStatement s = query(sql, binds);
    return s.rowsAffected();
}

void Database::execDirect(const QString& sql)
{
    QSqlQuery q(m_db);
    if (!q.exec(sql))
        fail(sql.left(60), q.lastError());
}

void Database::writeTransaction(const std::function<void()>& work)
{
    execDirect(m_dialect.beginWrite());
    try {
        work();
        execDirect(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

bool Database::hasTable(const QString& name)
{
    const QStringList tables = m_db.tables();
    for (const QString& t : tables) {
        if (t.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
