#pragma once

#include "GridSummary.h"

#include <QString>
#include <optional>
#include <span>

class DataSetModel;

/// Computes footer summaries over a set of grid rows and formats them for display: counts
/// as plain integers, sums and averages with the column's display format. An average over
/// no values is empty; a sum over no values is 0; text columns have no sum or average.
class SummaryCalculator
{
public:
    static std::optional<double> value(const DataSetModel& model, int column, SummaryKind kind,
                                       std::span<const int> rows);
    static QString text(const DataSetModel& model, int column, SummaryKind kind,
                        std::span<const int> rows);
};
