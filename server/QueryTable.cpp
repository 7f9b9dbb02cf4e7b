#include "QueryTable.h"

#include "ColumnTypes.h"
#include "Database.h"
#include "DayNumber.h"
#include "SqlDialect.h"
#include "SqlStatement.h"

#include <QSqlRecord>

void QueryTable::appendValue(DataColumn& column, const QVariant& value)
{
    if (value.isNull()) {
        column.appendNull();
        return;
    }
    switch (column.type()) {
    case FieldType::Integer: column.appendInt(value.toInt()); break;
    case FieldType::LargeInt: column.appendInt64(value.toLongLong()); break;
    case FieldType::Boolean: column.appendBool(value.toBool()); break;
    case FieldType::Date:
        column.appendDouble(DayNumber::fromDate(SqlDialect::toDateTime(value).date()));
        break;
    case FieldType::DateTime:
        column.appendDouble(DayNumber::fromDateTime(SqlDialect::toDateTime(value)));
        break;
    case FieldType::String:
    case FieldType::Memo: column.appendBytes(value.toString().toUtf8()); break;
    case FieldType::Blob: column.appendBytes(value.toByteArray()); break;
    default: column.appendDouble(value.toDouble()); break;
    }
}

DataTable QueryTable::read(SqlStatement& statement, const QStringList& textColumns)
{
    const QSqlRecord record = statement.query().record();
    DataTable table;
    for (int i = 0; i < record.count(); ++i) {
        const QString name = ColumnTypes::canonical(record.fieldName(i));
        table.addColumn(DataColumn(
            name, textColumns.contains(name) ? FieldType::String : ColumnTypes::of(name)));
    }
    const int columns = table.columnCount();
    while (statement.next()) {
        for (int i = 0; i < columns; ++i)
            appendValue(table.column(i), statement.value(i));
    }
    return table;
}

DataTable QueryTable::run(Database& db, const QString& sql, const QVariantList& binds,
                          const QStringList& textColumns)
{
    SqlStatement s = db.query(sql, binds);
    return read(s, textColumns);
}
