#pragma once

#include "DataTable.h"

class SqlStatement;

/// Turns the rows of an executed statement into a column-wise table. Column names come
/// from the statement's result names, their types from ColumnTypes.
class QueryTable
{
public:
    static DataTable read(SqlStatement& statement);
    /// Appends one database value to a column of the given type (null stays null).
    static void appendValue(DataColumn& column, const QVariant& value);
};
