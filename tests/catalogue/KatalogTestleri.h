#pragma once

#include "ClientDataSet.h"
#include "DataGrid.h"
#include "MainWindowFixture.h"
#include "SearchBar.h"
#include "TForm1.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

/// Steps the tests of the catalogue share: searching as a user does, reading a table by
/// column name, and double-clicking a grid row.
namespace KatalogTestleri {

/// Types `text` key by key, as a keyboard with Turkish letters would.
inline void harfYaz(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

/// Types `text` into the search box and presses Enter.
inline void yazVeAra(TForm1& w, const QString& text)
{
    QLineEdit* box = w.Panel2->araedit;
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    harfYaz(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

/// Searches and waits until the result (or failure) is on screen.
inline bool ara(MainWindowFixture& f, const QString& text)
{
    yazVeAra(f.w(), text);
    return f.bosta() && f.w().Panel2->araedit->isEnabled();
}

/// Number of calls of `method` in the server's log so far.
inline int cagriSayisi(TestServer& server, const char* method)
{
    return static_cast<int>(server.log().count(QByteArray(" ") + method + " "));
}

/// The row of `table` whose column `key` holds `value`, or -1.
inline int satirBul(const DataTable& table, const QString& key, double value)
{
    const int column = table.indexOf(key);
    for (int row = 0; column >= 0 && row < table.rowCount(); ++row) {
        if (table.column(column).numberAt(row) == value)
            return row;
    }
    return -1;
}

inline double sayi(const DataTable& table, int row, const QString& key)
{
    return table.column(table.indexOf(key)).numberAt(row);
}

/// Double-clicks the grid row showing data-set row `sourceRow`, in its first visible
/// column, as the window system delivers it: press, release, double click, release.
inline void ciftTikla(DataGrid& grid, int sourceRow)
{
    grid.focusRow(sourceRow);
    QTableView* view = grid.view();
    const QModelIndex cell =
        view->model()->index(view->currentIndex().row(), grid.visibleColumns().first());
    const QPoint at = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace KatalogTestleri
