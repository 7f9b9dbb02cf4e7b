#include "CartCalls.h"

#include "AppError.h"
#include "CheckedConnection.h"
#include "MessagePresenter.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"

namespace {

std::unique_ptr<TSonucBilgisi> kopya(const TSonucBilgisi& sbilgi)
{
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(sbilgi);
    return copy;
}

} // namespace

std::optional<DataTable> CartCalls::sepetVer(RemoteConnection& clone, int carino)
{
    CheckedConnection call(clone, true);
    if (!call.isOpen())
        return std::nullopt;
    TServerMethods1Client proxy(clone);
    return proxy.SepetVer2(carino);
}

bool CartCalls::secimGonder(const RemoteConnection& bagc, int sirano, int secim)
{
    const std::unique_ptr<RemoteConnection> clone = bagc.Clone();
    CheckedConnection call(*clone, true);
    if (!call.isOpen())
        return false;
    try {
        TServerMethods1Client proxy(*clone);
        proxy.SepetSecimGuncelle(sirano, secim);
        return true;
    } catch (const AppError& e) {
        // The caller puts the mark back; the user learns why it did not stick.
        MessagePresenter::error(e.text());
        return false;
    }
}

bool CartCalls::satirSil(RemoteConnection& bagc, const TSonucBilgisi& sbilgi, int sirano,
                         const QString& aciklama)
{
    CheckedConnection call(bagc, true);
    if (!call.isOpen())
        return false;
    TServerMethods1Client proxy(bagc);
    proxy.SepetSatirSil(kopya(sbilgi), sirano, aciklama);
    return true;
}

bool CartCalls::hepsiniSil(RemoteConnection& bagc, const TSonucBilgisi& sbilgi)
{
    CheckedConnection call(bagc, true);
    if (!call.isOpen())
        return false;
    TServerMethods1Client proxy(bagc);
    proxy.SepetHepsiniSil(kopya(sbilgi));
    return true;
}

bool CartCalls::siparisKaydet(RemoteConnection& bagc, const TSonucBilgisi& sbilgi, int KN, int kt,
                              int td, const QString& aciklama)
{
    CheckedConnection call(bagc, true);
    if (!call.isOpen())
        return false;
    TServerMethods1Client proxy(bagc);
    return proxy.SiparisKaydet(kopya(sbilgi), sbilgi.CARINO(), td, kt, aciklama, sbilgi.Sirano(),
                               KN);
}
