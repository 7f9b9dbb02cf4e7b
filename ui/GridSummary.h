#pragma once

#include <QString>

/// What a footer or group footer shows under a column.
enum class SummaryKind
{
    Count,
    Sum,
    Average
};

/// One summary of a grid footer or group footer: shown under the column with this key,
/// computed from that column's values.
struct GridSummary
{
    QString column{};
    SummaryKind kind = SummaryKind::Count;
};
