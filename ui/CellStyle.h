#pragma once

#include <QColor>
#include <QFont>
#include <optional>

/// Colours and font of one kind of grid cell (content, odd row, header, selection ...).
struct CellStyle
{
    QColor background{};
    QColor text = Qt::black;
    std::optional<QFont> font{}; // the grid's font when unset

    bool isSet() const { return background.isValid(); }
};
