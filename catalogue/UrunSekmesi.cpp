#include "UrunSekmesi.h"

#include "BaglantiKontrol.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "DataSetHelpers.h"
#include "MesajGoster.h"
#include "Mesgul.h"
#include "RemoteConnection.h"
#include "TAwait.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "TabSheet.h"

namespace {

struct GetirmeSonucu
{
    bool hata = false;
    std::optional<int> adet;
};

} // namespace

UrunSekmesi::UrunSekmesi(Parcalar parcalar, QObject* parent)
    : QObject(parent), m_p(std::move(parcalar))
{
    connect(m_p.sekme, &TabSheet::Show, this, &UrunSekmesi::Goster);
}

void UrunSekmesi::Goster()
{
    if (m_calisiyor)
        return;
    m_calisiyor = true;
    Mesgul(*m_p.animasyon, true);
    m_p.grid->setEnabled(false);
    m_p.grid->detachDataSet();
    m_p.grid->beginUpdate();

    std::shared_ptr<RemoteConnection> klon = m_p.bagc->Clone();
    auto sonuc = std::make_shared<GetirmeSonucu>();
    Async([this, klon, sonuc, bilgi = *m_p.sbilgi] {
        sonuc->hata = Getir(*klon, bilgi, sonuc->adet);
    })->Await(this, [this, sonuc] { tamam(sonuc->hata, sonuc->adet); });
}

bool UrunSekmesi::Getir(RemoteConnection& baglanti, const TSonucBilgisi& bilgi,
                        std::optional<int>& adet)
{
    if (!BaglantiKontrol(baglanti, false))
        return true;
    ClientDataSet& veri = *m_p.veri;
    veri.DisableControls();
    try {
        TServerMethods1Client proxy(baglanti);
        veri.SetData(m_p.liste(proxy, bilgi));
        TutarBicimlendir(veri);
        adet = veri.RecordCount();
    } catch (...) {
        veri.EnableControls();
        baglanti.Close();
        throw;
    }
    veri.EnableControls();
    baglanti.Close();
    return false;
}

void UrunSekmesi::tamam(bool hata, std::optional<int> adet)
{
    // A failed fetch leaves the caption as it was.
    if (adet)
        m_p.sekme->setCaption(QString::number(*adet) + QStringLiteral("=") + m_p.ad);
    m_p.grid->attachDataSet();
    m_p.grid->endUpdate();
    m_p.grid->setEnabled(true);
    Mesgul(*m_p.animasyon, false);
    m_calisiyor = false;
    if (hata)
        MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"),
                    MessageKind::Error, MessageButton::OkOnly, MessageButton::Ok);
    emit getirmeBitti();
}
