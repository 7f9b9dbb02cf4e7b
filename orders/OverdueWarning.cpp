#include "OverdueWarning.h"

#include "AppError.h"
#include "CheckedConnection.h"
#include "GuiThread.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"

#include <QLabel>
#include <QThread>

OverdueWarning::OverdueWarning(const RemoteConnection& bagc, const TSonucBilgisi& sbilgi,
                               QLabel* lbluyarbakiye, QObject* parent)
    : QObject(parent), m_bagc(bagc), m_sbilgi(sbilgi), m_label(lbluyarbakiye)
{
}

void OverdueWarning::CariBakiyeUyariBak()
{
    const quint64 sira = ++m_sira;
    // The clone is made here, where the main connection lives; the thread only uses it.
    std::shared_ptr<RemoteConnection> clone = m_bagc.Clone();
    QThread* thread = QThread::create(
        [clone, carino = m_sbilgi.CARINO(), self = QPointer<OverdueWarning>(this), sira] {
            const QString uyari = uyariAl(*clone, carino);
            GuiThread::runBlocking([&] {
                if (self)
                    self->uyariGeldi(sira, uyari);
            });
        });
    // Not owned by this object: a thread still waiting for the server outlives the window.
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

QString OverdueWarning::uyariAl(RemoteConnection& clone, int carino)
{
    CheckedConnection call(clone, false);
    if (!call.isOpen())
        return {};
    try {
        TServerMethods1Client proxy(clone);
        return proxy.CariVadeGunGecmismiBul(carino);
    } catch (const AppError&) {
        // The warning is a courtesy; the cart works without it.
        return {};
    }
}

void OverdueWarning::uyariGeldi(quint64 sira, const QString& uyari)
{
    if (sira == m_sira && m_label)
        m_label->setText(uyari);
}
