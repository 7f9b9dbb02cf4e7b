#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class RemoteConnection;
class TSonucBilgisi;

/// The account's overdue warning under the cart: each check asks the server on a thread of
/// its own, over its own clone of the main connection, and hands the text to the label on
/// the GUI thread. Only the latest check writes, and nothing reaches a label that is gone.
class OverdueWarning : public QObject
{
    Q_OBJECT

public:
    OverdueWarning(const RemoteConnection& bagc, const TSonucBilgisi& sbilgi,
                   QLabel* lbluyarbakiye, QObject* parent = nullptr);

    /// Starts a check for the session's account; the label keeps what it shows until the
    /// answer comes.
    void CariBakiyeUyariBak();

    /// The worker's part: `CariVadeGunGecmismiBul` over `clone` with the silent check. Empty
    /// when the connection cannot be opened or the call fails (no message beyond the check's).
    static QString uyariAl(RemoteConnection& clone, int carino);

private:
    void uyariGeldi(quint64 sira, const QString& uyari);

    const RemoteConnection& m_bagc;
    const TSonucBilgisi& m_sbilgi;
    QPointer<QLabel> m_label;
    quint64 m_sira = 0;
};
