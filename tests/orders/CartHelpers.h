#pragma once

#include "DataTable.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class CartTab;
class MainWindowFixture;
class TForm1;
class TServerMethods1Client;
class TSonucBilgisi;

/// The cart tab's controller on a main window.
CartTab& cartOf(TForm1& w);
/// True when no cart fetch runs: the grid is enabled and attached, the busy picture hidden.
bool cartFetchEnded(TForm1& w);
/// Makes the cart tab active (anew when it already was) and waits for its fetch.
bool showCart(TForm1& w, int timeoutMs = 10000);
/// Runs `call` on a proxy over a connection of its own to the fixture's server.
void onServer(MainWindowFixture& s, const std::function<void(TServerMethods1Client&)>& call);
/// A fresh copy of a session record, for calls that take one.
std::unique_ptr<TSonucBilgisi> kopya(const TSonucBilgisi& sbilgi);
/// A port on which nothing listens.
QString deadPort();
/// A column's values as integers, row by row.
QList<int> intsOf(const DataTable& table, const QString& name);
