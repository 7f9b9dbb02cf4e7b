#pragma once

#include <QString>

class ClientDataSet;
class QWidget;
class RemoteConnection;
class TSonucBilgisi;

/// "Gönder" on the cart tab: the marked lines become an order through the confirmation
/// `TONAYSIP`, which the main window owns while it is open.
class OrderSender
{
public:
    OrderSender(QWidget* mainWindow, RemoteConnection& bagc, const TSonucBilgisi& sbilgi);

    /// Warns when no line of `sepet` is marked; otherwise confirms with the overdue
    /// warning `uyari` and the grand total text `toplam`, sends, and tells the user how it
    /// went. True when the order was sent (the caller then fetches the cart again).
    bool Button1Click(ClientDataSet& sepet, const QString& uyari, const QString& toplam);

    /// Stores the order with the carrier, cargo type, delivery type and note; the server's
    /// answer, false also when the connection check failed.
    bool SiparisGonder(int KN, int kt, int td, const QString& aciklama);

private:
    QWidget* m_mainWindow;
    RemoteConnection& m_bagc;
    const TSonucBilgisi& m_sbilgi;
};
