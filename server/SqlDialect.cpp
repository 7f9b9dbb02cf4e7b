#include "SqlDialect.h"

#include <QStringList>

QString SqlDialect::autoKey() const
{
    return m_sqlite ? QStringLiteral("INTEGER PRIMARY KEY") : QStringLiteral("SERIAL PRIMARY KEY");
}

QString SqlDialect::blobType() const
{
    return m_sqlite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA");
}

QString SqlDialect::wordType() const
{
    return m_sqlite ? QStringLiteral("TEXT") : QStringLiteral("TEXT COLLATE \"C\"");
}

QString SqlDialect::beginWrite() const
{
    return m_sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
}

QStringList SqlDialect::sessionStatements() const
{
    if (!m_sqlite)
        return {};
    return {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL"),
            QStringLiteral("PRAGMA foreign_keys=ON"), QStringLiteral("PRAGMA cache_size=-65536"),
            QStringLiteral("PRAGMA mmap_size=1073741824")};
}

QStringList SqlDialect::afterSeedStatements(const QStringList& keyedTables) const
{
    QStringList out;
    if (m_sqlite)
        return out;
    // Keys were given explicitly; move each sequence past the largest key.
    for (const QString& t : keyedTables) {
        out << QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                              "COALESCE((SELECT MAX(%2) FROM %1), 0) + 1, false)")
                   .arg(t.section(u'.', 0, 0).toLower(), t.section(u'.', 1, 1).toLower());
    }
    return out;
}

QString SqlDialect::afterLoadStatement() const
{
    return m_sqlite ? QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")
                    : QStringLiteral("ANALYZE");
}

QString SqlDialect::dateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString SqlDialect::dateTimeText(const QDateTime& dateTime)
{
    return dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime SqlDialect::toDateTime(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDateTime: return value.toDateTime();
    case QMetaType::QDate: return value.toDate().startOfDay();
    default: break;
    }
    const QString text = value.toString();
    if (text.size() <= 10)
        return QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).startOfDay();
    return QDateTime::fromString(text.left(19).replace(u'T', u' '),
                                 QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
