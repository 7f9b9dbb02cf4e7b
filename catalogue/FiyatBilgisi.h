#pragma once

#include <QString>

struct CustomDrawCell;
class RowValues;

/// The stock list's drawn price summary "Fiyat Bilgisi" of the narrow layout: list price,
/// campaign price (only when there is one), net and VAT-inclusive price stacked in one cell.
class FiyatBilgisi
{
public:
    /// The summary's lines, each amount in the user's locale, each line ending in "\r\n".
    static QString Metin(double liste, double kampanya, double net, double kdvDahil);
    /// The summary of a painted row, read from the row's own values.
    static QString Metin(const RowValues& row);
    /// Draws one cell: the row's background (selection or alternating style), then the
    /// text right-aligned and vertically centred, 10 pixels in from both sides.
    static void cxGrid1DBTableView1FiyatBilgisiCustomDrawCell(CustomDrawCell& cell);
};
