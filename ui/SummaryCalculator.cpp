#include "SummaryCalculator.h"

#include "ClientDataSet.h"
#include "DataSetModel.h"
#include "DisplayFormat.h"

std::optional<double> SummaryCalculator::value(const DataSetModel& model, int column,
                                               SummaryKind kind, std::span<const int> rows)
{
    if (kind == SummaryKind::Count)
        return static_cast<double>(rows.size());
    const int field = model.fieldOf(column);
    if (field < 0)
        return std::nullopt;
    const DataColumn& data = model.dataSet()->Data().column(field);
    if (isBytesType(data.type()))
        return std::nullopt;
    double sum = 0;
    int values = 0;
    for (int row : rows) {
        if (data.isNull(row))
            continue;
        sum += data.numberAt(row);
        ++values;
    }
    if (kind == SummaryKind::Sum)
        return sum;
    return values == 0 ? std::nullopt : std::optional(sum / values);
}

QString SummaryCalculator::text(const DataSetModel& model, int column, SummaryKind kind,
                                std::span<const int> rows)
{
    const std::optional<double> v = value(model, column, kind, rows);
    if (!v)
        return {};
    if (kind == SummaryKind::Count)
        return QString::number(rows.size());
    const int field = model.fieldOf(column);
    QString pattern = model.dataSet()->DisplayFormat(field);
    if (pattern.isEmpty()) {
        const FieldType type = model.dataSet()->Data().column(field).type();
        pattern =
            type == FieldType::Currency ? QStringLiteral("#,##0.00") : QStringLiteral("0.##");
    }
    return DisplayFormat::format(pattern, *v);
}
