#pragma once

#include "FieldType.h"

#include <QString>

/// The column type of every column name the server sends, so that a column has the same
/// type in every record set: amounts are Float, counts and keys Integer, dates Date or
/// DateTime, texts String.
class ColumnTypes
{
public:
    /// The type of `name` (letter case ignored); a name missing from the table is a
    /// programming error and raises std::logic_error.
    static FieldType of(const QString& name);
    /// The name as the client expects it: the mixed-case collection columns exactly, every
    /// other column in upper case (PostgreSQL hands result names back in lower case).
    static QString canonical(const QString& name);
};
