#include "SortKeys.h"

#include "ClientDataSet.h"
#include "DataSetModel.h"

#include <QCollator>
#include <algorithm>
#include <limits>
#include <numeric>

namespace {

template <typename Less>
std::vector<int> permuted(std::vector<int> rows, Qt::SortOrder order, Less less)
{
    std::vector<int> positions(rows.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(positions.begin(), positions.end(), less);
    else
        std::stable_sort(positions.begin(), positions.end(),
                         [&less](int a, int b) { return less(b, a); });
    std::vector<int> result;
    result.reserve(rows.size());
    for (int p : positions)
        result.push_back(rows[p]);
    return result;
}

std::vector<int> byNumber(const DataColumn& column, Qt::SortOrder order, std::vector<int> rows)
{
    std::vector<double> keys;
    keys.reserve(rows.size());
    for (int row : rows)
        keys.push_back(column.isNull(row) ? -std::numeric_limits<double>::infinity()
                                          : column.numberAt(row));
    return permuted(std::move(rows), order, [&keys](int a, int b) { return keys[a] < keys[b]; });
}

std::vector<int> byText(const DataColumn& column, Qt::SortOrder order, std::vector<int> rows)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (int row : rows)
        keys.push_back(collator.sortKey(column.isNull(row) ? QString() : column.stringAt(row)));
    return permuted(std::move(rows), order,
                    [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
}

} // namespace

std::vector<int> SortKeys::sorted(const DataSetModel& model, int column, Qt::SortOrder order,
                                  std::vector<int> rows)
{
    const int field = model.fieldOf(column);
    if (field < 0)
        return rows;
    const DataColumn& data = model.dataSet()->Data().column(field);
    if (data.type() == FieldType::Blob)
        return rows;
    if (isBytesType(data.type()))
        return byText(data, order, std::move(rows));
    return byNumber(data, order, std::move(rows));
}
