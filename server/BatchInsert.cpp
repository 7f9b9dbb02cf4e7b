#include "BatchInsert.h"

#include "Database.h"

BatchInsert::BatchInsert(Database& db, QString table, const QString& columns, int rowsPerStatement)
    : m_db(db), m_table(std::move(table)), m_columns(columns),
      m_columnCount(int(columns.count(u',')) + 1), m_rowsPerStatement(rowsPerStatement)
{
}


QString BatchInsert::statement(int rows) const
{
    QString one = QStringLiteral("(?") + QStringLiteral(", ?").repeated(m_columnCount - 1) + u')';
    QStringList all;
    for (int i = 0; i < rows; ++i)
        all << one;
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3").arg(m_table, m_columns, all.join(u','));
}

void BatchInsert::add(const QVariantList& row)
{
    m_values += row;
    if (++m_pending == m_rowsPerStatement)
        flush();
}

void BatchInsert::flush()
{
    if (m_pending == 0)
        return;
    m_db.exec(statement(m_pending), m_values);
    m_values.clear();
    m_pending = 0;
}
