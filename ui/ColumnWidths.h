#pragma once

#include <QList>
#include <optional>

/// The weighted-width rule of the main window's and the detail windows' grids.
class ColumnWidths
{
public:
    /// Reference width above which the main window uses weighted widths rather than best
    /// fit.
    static constexpr int wideScreen = 1152;

    /// Widths for the visible columns' weights: unit = truncated (gridWidth − 30) / sum of
    /// the weights, width = weight × unit. Returns nothing when the weights add up to 0 or
    /// less, where the caller falls back to best fit; a grid narrower than 30 pixels gives
    /// zero widths rather than negative ones.
    static std::optional<QList<int>> weighted(const QList<int>& weights, int gridWidth);
};
