#pragma once

#include <QString>

class DataGrid;
class QWidget;

/// Saves a grid as an Excel workbook (.xlsx): the header captions, then every row the
/// filters let through in the grid's order with all groups expanded (group rows and group
/// footers included), only the visible columns, each value with its own type — numbers as
/// numbers with their display format, dates as dates, text as text — and the footer's
/// summaries last.
class GridExcelExport
{
public:
    /// The save dialog's filter and default extension.
    static inline const QString filter = QStringLiteral("Excel|*.xls*");
    static inline const QString suffix = QStringLiteral("xlsx");

    /// Writes the workbook; raises AppError with a text for the user when it cannot.
    static void write(const DataGrid& grid, const QString& path);
    /// Asks for a file through the save dialog seam and writes the workbook there. Returns
    /// whether a file was written; a failure is shown through the message presenter.
    static bool saveWithDialog(const DataGrid& grid, QWidget* parent);
    /// The path with the extension a workbook of the current Excel format needs.
    static QString withXlsxSuffix(const QString& path);
};
