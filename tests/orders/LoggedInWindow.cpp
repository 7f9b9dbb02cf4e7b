#include "LoggedInWindow.h"

#include "RemoteConnection.h"

LoggedInWindow::LoggedInWindow(const QString& workstation, const QStringList& serverArgs)
    : f(serverArgs)
{
    if (!f.server.started())
        return;
    w.bagc.HostName = QStringLiteral("127.0.0.1");
    w.bagc.Port = QString::number(f.server.port());
    onServer([&](TServerMethods1Client& proxy) {
        if (const TSonucBilgisi* record = proxy.BuyukGetir(workstation)) {
            w.sbilgi.Kopyala(*record);
            m_ready = w.sbilgi.Varmi();
        }
    });
    w.KullaniciTipineGoreAyarla();
    w.resize(1300, 700);
    w.show();
}

void LoggedInWindow::onServer(const std::function<void(TServerMethods1Client&)>& call) const
{
    RemoteConnection connection;
    connection.HostName = w.bagc.HostName;
    connection.Port = w.bagc.Port;
    connection.Open();
    TServerMethods1Client proxy(connection);
    call(proxy);
}

std::unique_ptr<TSonucBilgisi> LoggedInWindow::session() const
{
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(w.sbilgi);
    return copy;
}
