#include "SqliteStatement.h"

#include "ServerError.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v3(m_db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                           &m_stmt, nullptr) != SQLITE_OK)
        fail(QStringLiteral("hazırlık"));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::fail(const QString& what) const
{
    throw ServerError(QStringLiteral("Veritabanı hatası (%1, %2): %3")
                          .arg(what, m_sql.left(60), QString::fromUtf8(sqlite3_errmsg(m_db))));
}

void SqliteStatement::bind(const QVariantList& binds)
{
    reset();
    for (int i = 0; i < binds.size(); ++i)
        bindOne(i + 1, binds[i]);
}

void SqliteStatement::bindOne(int position, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, position);
    } else {
        switch (value.metaType().id()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, position, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(m_stmt, position, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, position, bytes.constData(),
                                     sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, position, text.constData(),
                                     sqlite3_uint64(text.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(QStringLiteral("bağlama"));
}

bool SqliteStatement::step()
{
    switch (sqlite3_step(m_stmt)) {
    case SQLITE_ROW: return true;
    case SQLITE_DONE: return false;
    default: fail(QStringLiteral("okuma"));
    }
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

int SqliteStatement::toInt(int column) const
{
    return sqlite3_column_int(m_stmt, column);
}

double SqliteStatement::toDouble(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QByteArrayView SqliteStatement::utf8(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(m_stmt, column));
}
