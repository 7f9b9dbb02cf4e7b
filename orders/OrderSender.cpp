#include "OrderSender.h"

#include "CartCalls.h"
#include "DataSetHelpers.h"
#include "MesajGoster.h"
#include "TONAYSIP.h"

OrderSender::OrderSender(QWidget* mainWindow, RemoteConnection& bagc, const TSonucBilgisi& sbilgi)
    : m_mainWindow(mainWindow), m_bagc(bagc), m_sbilgi(sbilgi)
{
}

bool OrderSender::Button1Click(ClientDataSet& sepet, const QString& uyari, const QString& toplam)
{
    if (!SecimVarmi(sepet)) {
        MesajGoster(QStringLiteral("Gönderilecek Parça Yok "), MessageKind::Warning,
                    MessageButton::OkOnly, MessageButton::Ok);
        return false;
    }
    TONAYSIP onay(m_mainWindow, m_bagc, uyari, m_sbilgi, toplam);
    if (onay.exec() != QDialog::Accepted)
        return false;
    if (!SiparisGonder(onay.KN, onay.kt, onay.td, onay.aciklama())) {
        MesajGoster(QStringLiteral("Sipariş Göndermede Hata"), MessageKind::Error,
                    MessageButton::OkOnly, MessageButton::Ok);
        return false;
    }
    MesajGoster(QStringLiteral("Siparişiniz Gönderildi !"), MessageKind::Information,
                MessageButton::OkOnly, MessageButton::Ok);
    return true;
}

bool OrderSender::SiparisGonder(int KN, int kt, int td, const QString& aciklama)
{
    return CartCalls::siparisKaydet(m_bagc, m_sbilgi, KN, kt, td, aciklama);
}
