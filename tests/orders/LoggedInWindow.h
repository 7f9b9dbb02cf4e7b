#pragma once

#include "LoginFixture.h"
#include "TForm1.h"
#include "TServerMethods1Client.h"

#include <functional>
#include <memory>

/// A main window logged in as a demo user against a real server, without the login dialog:
/// its session record is what `BuyukGetir` gives for the user's demo workstation. The
/// fixture's scripted presenter answers and records every message.
class LoggedInWindow
{
public:
    explicit LoggedInWindow(const QString& workstation = QStringLiteral("DEMO-BAYI"),
                            const QStringList& serverArgs = {});

    /// False when the server did not start or the session could not be fetched.
    bool ready() const { return m_ready; }
    /// Runs `call` on a proxy over a connection of its own to the server.
    void onServer(const std::function<void(TServerMethods1Client&)>& call) const;
    /// A fresh copy of the window's session record, for calls that take one.
    std::unique_ptr<TSonucBilgisi> session() const;

    LoginFixture f;
    TForm1 w;

private:
    bool m_ready = false;
};
