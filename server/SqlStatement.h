#pragma once

#include <QSqlQuery>
#include <QVariant>

/// A prepared statement of a connection's cache, executed and being read. Finishing it when
/// it goes out of scope releases the database's read snapshot, so a cached statement never
/// keeps the connection looking at old data.
class SqlStatement
{
public:
    explicit SqlStatement(QSqlQuery& query) : m_query(&query) {}
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;
    ~SqlStatement() { m_query->finish(); }

    bool next() { return m_query->next(); }
    QVariant value(int i) const { return m_query->value(i); }
    int toInt(int i) const { return m_query->value(i).toInt(); }
    double toDouble(int i) const { return m_query->value(i).toDouble(); }
    QString toString(int i) const { return m_query->value(i).toString(); }
    bool isNull(int i) const { return m_query->isNull(i); }
    QByteArray utf8(int i) const { return toString(i).toUtf8(); }
    QSqlQuery& query() { return *m_query; }
    int rowsAffected() const { return m_query->numRowsAffected(); }
    QVariant lastInsertId() const { return m_query->lastInsertId(); }

private:
    QSqlQuery* m_query;
};
