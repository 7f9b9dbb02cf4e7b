#pragma once

#include <Qt>
#include <vector>

class DataSetModel;

/// Orders grid rows by one column. The keys of the column are built once per call — numbers
/// for numeric, date and check columns, locale collation keys for text — and dropped
/// afterwards, so a 100,000-row data set sorts without per-row comparisons of cell values.
class SortKeys
{
public:
    /// `rows` stably ordered by the column's values (nulls first in ascending order). A
    /// column without a field (drawn column, detached grid) keeps the given order.
    static std::vector<int> sorted(const DataSetModel& model, int column, Qt::SortOrder order,
                                   std::vector<int> rows);
};
