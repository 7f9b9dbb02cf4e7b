#pragma once

#include "DataTable.h"

#include <QList>
#include <QString>

class CartTab;
class LoggedInWindow;
class TForm1;

/// The cart tab's controller on a main window.
CartTab& cartOf(TForm1& w);
/// True when no cart fetch runs: the grid is enabled and attached, the busy picture hidden.
bool cartFetchEnded(TForm1& w);
/// Makes the cart tab active (anew when it already was) and waits for its fetch.
bool showCart(TForm1& w, int timeoutMs = 10000);
/// The account's cart as the server has it now.
DataTable serverCart(const LoggedInWindow& s);
/// A port on which nothing listens.
QString deadPort();
/// A column's values as integers, row by row.
QList<int> intsOf(const DataTable& table, const QString& name);
