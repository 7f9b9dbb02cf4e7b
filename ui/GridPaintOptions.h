#pragma once

#include "CustomDrawCell.h"
#include "GridStyleSet.h"

#include <QColor>
#include <QHash>

/// How a grid paints its cells; owned by the grid, read by its delegate and headers.
struct GridPaintOptions
{
    GridStyleSet styles = GridStyleSet::shared(true);
    bool gridLines = true;
    QColor gridLineColor = QColor(208, 212, 218);
    bool focusRect = false;
    QHash<int, CustomDrawFunction> customDraw; // by column
};
