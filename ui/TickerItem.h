#pragma once

#include <QString>
#include <Qt>

/// One item of a ticker: plain text, HTML (rendered: bold, italic, colour, font size, line
/// breaks) or drawn by the ticker's owner into a bitmap.
struct TickerItem
{
    enum class Style
    {
        PlainText,
        Html,
        OwnerDraw
    };

    QString text{};
    Qt::Alignment alignment = Qt::AlignVCenter;
    Style style = Style::PlainText;
};
