#pragma once

#include "CellStyle.h"
#include "GridStyleSet.h"
#include "RowValues.h"

#include <QRect>
#include <functional>

class QPainter;

/// What a custom-draw callback receives for one cell. The background, font and text colour
/// the grid has prepared (selection or alternating row style) are in `style` and `font`;
/// the callback sets `done` when it has drawn the cell, and the grid then draws nothing
/// else in it.
struct CustomDrawCell
{
    QPainter* painter = nullptr;
    QRect rect;
    RowValues row; // the painted row's own values
    bool selected = false;
    int position = 0; // the row's position in the grid's current order, from 0
    const GridStyleSet* styles = nullptr;
    CellStyle style;
    QFont font;
    bool done = false;
};

using CustomDrawFunction = std::function<void(CustomDrawCell&)>;
