#pragma once

#include "DataTable.h"
#include "RecordingSeams.h"
#include "ScriptedPresenter.h"
#include "TestServer.h"

#include <QLocale>
#include <QStringList>
#include <memory>

class TForm1;

/// A main window logged in against a real server with its demo data, as a Turkish user
/// sees it after the login: the session record from `BuyukGetir` for a demo workstation,
/// the adaptation to the user type done, the window shown. Messages are answered by a
/// scripted presenter; shell and process end are recorded. Before the window goes, the
/// fixture waits for the background work it may have started.
///
/// Demo workstations: "DEMO-BAYI" (dealer, type 3, account 1200 with a cart), "DEMO-USTA"
/// (type 4, account 1201), "DEMO-SATICI" (salesman MEHMET, type 1), "DEMO-YONETICI"
/// (sales manager AYSE, type 2).
class MainWindowFixture
{
public:
    /// Starts the server with a small catalogue (`serverArgs` are added, e.g. "--fault").
    explicit MainWindowFixture(const QStringList& serverArgs = {});
    ~MainWindowFixture();
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    /// Creates the window for the workstation's user and shows it `width` pixels wide;
    /// false (see `error`) when the server did not start or knows no such workstation.
    bool login(const QString& workstation, int width = 1350);
    /// Makes the session work for customer account `carino`, as a salesman's choice does.
    void cariSec(int carino, const QString& cariAdi = QString());
    /// Waits until no background task runs and their completions have run.
    bool bosta(int timeoutMs = 20000);

    /// The cart of the session's customer as the server holds it now.
    DataTable sunucuSepeti();
    /// Fetches the cart into the window's `sepet` on the GUI thread (a stand-in for the
    /// cart tab's refresh in tests of the catalogue).
    void sepetiGetir();

    TForm1& w() { return *m_window; }
    QString error() const { return m_error; }

    TestServer server;
    ScriptedPresenter presenter;
    RecordingSeams seams;

private:
    QLocale m_locale;
    QString m_error;
    std::unique_ptr<TForm1> m_window;
};
