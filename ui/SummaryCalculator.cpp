#include "SummaryCalculator.h"

#include "ClientDataSet.h"
#include "DataSetModel.h"
#include "DisplayFormat.h"

namespace {

QString formatted(const DataSetModel& model, int field, double value)
{
    QString pattern = model.dataSet()->DisplayFormat(field);
    if (pattern.isEmpty()) {
        const FieldType type = model.dataSet()->Data().column(field).type();
        pattern = type == FieldType::Currency ? QStringLiteral("#,##0.00")
                                              : QStringLiteral("0.##");
    }
    return DisplayFormat::format(pattern, value);
}

} // namespace

QString SummaryCalculator::text(const DataSetModel& model, int column, SummaryKind kind,
                                std::span<const int> rows)
{
    if (kind == SummaryKind::Count)
        return QString::number(rows.size());
    const int field = model.fieldOf(column);
    if (field < 0)
        return {};
    const DataColumn& data = model.dataSet()->Data().column(field);
    if (isBytesType(data.type()))
        return {}; // no sum or average of text
    double sum = 0;
    int values = 0;
    for (int row : rows) {
        if (data.isNull(row))
            continue;
        sum += data.numberAt(row);
        ++values;
    }
    if (kind == SummaryKind::Average && values == 0)
        return {};
    return formatted(model, field, kind == SummaryKind::Sum ? sum : sum / values);
}
