#pragma once

#include "CellStyle.h"

#include <QString>

/// The styles one grid paints with: content, alternating rows, header, selection and row
/// indicator. An unset odd or even style falls back to the content style.
struct GridStyleSet
{
    CellStyle content;
    CellStyle odd;
    CellStyle even;
    CellStyle header;
    CellStyle selection;
    CellStyle indicator;

    /// Background and text of a data row by its position in the grid's current order
    /// (counted from 0) and its selected state.
    const CellStyle& rowStyle(int position, bool selected) const;

    /// One of the main window's five shared styles "cxStyle1" .. "cxStyle5"; an unknown
    /// name gives an unset style.
    static CellStyle named(const QString& name);
    /// The shared styles as the main window's grids use them: content `cxStyle1`, header
    /// `cxStyle3`, selection `cxStyle4`, indicator `cxStyle5`, and `cxStyle2` on the odd
    /// rows (`whiteOdd`) or on the even rows.
    static GridStyleSet shared(bool whiteOdd);
    /// The look of the secondary windows' grids ("VS2010"); any other name gives the
    /// shared styles with white odd rows.
    static GridStyleSet skin(const QString& name);
};
