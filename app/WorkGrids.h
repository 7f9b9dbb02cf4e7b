#pragma once

#include <QString>

class DataGrid;
class QWidget;

/// The main window's work grids with their declared columns (weights, captions, start
/// visibility, what the column customization offers), looks and footers, and the layout
/// rule of the stock grid.
class WorkGrids
{
public:
    /// Caption and key of the stock grid's drawn price summary column.
    static const QString FiyatBilgisi;
    static constexpr int WideRowHeight = 60;
    static constexpr int NarrowRowHeight = 100;

    /// The stock grid `cxGrid1`, sorted by status.
    static DataGrid* stok(QWidget* parent);
    /// The cart grid `cxGrid2`.
    static DataGrid* sepet(QWidget* parent);
    /// The new-products grid `cxGrid6`.
    static DataGrid* yeniler(QWidget* parent);
    /// The campaign grid `cxkampanyali`.
    static DataGrid* kampanyali(QWidget* parent);

    /// The stock grid's layout for a wide window (four price columns, 60-pixel rows) or a
    /// narrow one (the price summary, 100-pixel rows), with weighted widths.
    static void stokKolonAyarla(DataGrid& grid, bool wide);

    /// Shows a column and offers it in the column customization, or hides and withdraws it.
    static void setColumnOffered(DataGrid& grid, const QString& key, bool shown);
    static bool isOffered(const DataGrid& grid, const QString& key);
};
