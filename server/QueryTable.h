#pragma once

#include "DataTable.h"

#include <QStringList>

class Database;
class SqlStatement;

/// Turns the rows of an executed statement into a column-wise table. Column names come
/// from the statement's result names, their types from ColumnTypes.
class QueryTable
{
public:
    /// `textColumns` are sent as String whatever their usual type (a status name where
    /// other lists carry a status code).
    static DataTable read(SqlStatement& statement, const QStringList& textColumns = {});
    /// Runs `sql` with `binds` on `db` and reads all its rows.
    static DataTable run(Database& db, const QString& sql, const QVariantList& binds = {},
                         const QStringList& textColumns = {});
    /// Appends one database value to a column of the given type (null stays null).
    static void appendValue(DataColumn& column, const QVariant& value);
};
