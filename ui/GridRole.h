#pragma once

#include <Qt>

/// Item data roles the grid's models offer besides Qt's own.
enum GridRole
{
    RawValueRole = Qt::UserRole + 1, // the cell's typed value from the data set
    SourceRowRole,                   // the data-set row behind a grid row (-1: none)
    FilterTextRole,                  // the text header filters and grouping compare
    RowKindRole,                     // GridProxy::RowKind of a grid row
};
