#include "ColumnWidths.h"

#include <algorithm>

std::optional<QList<int>> ColumnWidths::weighted(const QList<int>& weights, int gridWidth)
{
    long long sum = 0;
    for (int w : weights)
        sum += std::max(0, w);
    if (sum <= 0)
        return std::nullopt;
    const long long unit = std::max(0LL, (gridWidth - 30LL) / sum);
    QList<int> widths;
    for (int w : weights)
        widths << static_cast<int>(std::max(0, w) * unit);
    return widths;
}
