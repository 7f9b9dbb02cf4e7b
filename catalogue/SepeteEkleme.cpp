#include "SepeteEkleme.h"

#include "BaglantiKontrol.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "RemoteConnection.h"
#include "RowValues.h"
#include "StokResimAl.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "Tstokayarinti.h"

#include <QEventLoop>
#include <QTimer>
#include <QtMath>

namespace {

const QString StokNo = QStringLiteral("STOK_STOKNO");

/// One call over the main connection, which is closed afterwards whatever happens.
template <typename Call> int anaBaglantiIle(RemoteConnection& bagc, Call call)
{
    struct Kapat
    {
        RemoteConnection& bagc;
        ~Kapat() { bagc.Close(); }
    } kapat{bagc};
    TServerMethods1Client proxy(bagc);
    return call(proxy);
}

RowValues gecerliSatir(const ClientDataSet* veri)
{
    return RowValues(veri, veri->CurrentRow());
}

} // namespace

SepeteEkleme::SepeteEkleme(const KatalogParcalari& parcalar, QObject* parent)
    : QObject(parent), m_p(parcalar)
{
}

void SepeteEkleme::cxGrid1DBTableView1DblClick()
{
    listedenAc(m_p.cxGrid1, m_p.stok, StokKaynagi::StokListesi);
}

void SepeteEkleme::cxGridDBTableView5DblClick()
{
    listedenAc(m_p.cxGrid6, m_p.YENILER, StokKaynagi::YeniStoklar);
}

void SepeteEkleme::cxGridDBTableViewkampanyaliDblClick()
{
    listedenAc(m_p.cxkampanyali, m_p.kampstok, StokKaynagi::Kampanyali);
}

void SepeteEkleme::listedenAc(DataGrid* grid, ClientDataSet* veri, StokKaynagi kaynak)
{
    // A grid that a fetch has detached shows nothing to open.
    if (!grid->isAttached() || grid->focusedRow() < 0)
        return;
    const int stokno = qRound(grid->focusedValues().number(StokNo));
    if (!veri->Locate(StokNo, stokno))
        return;
    sepetBekle();
    if (!m_p.sepet->Active())
        sepetiYenile();
    if (const std::optional<int> sirano = sepettekiSatir(stokno)) {
        SepetSatirDegistir(*sirano);
        return;
    }
    switch (kaynak) {
    case StokKaynagi::StokListesi:
        StokSepeteEkle(stokno);
        break;
    case StokKaynagi::YeniStoklar:
        YeniSepeteEkle(stokno);
        break;
    default:
        KampanyaliSepeteEkle(stokno);
        break;
    }
}

void SepeteEkleme::sepetBekle()
{
    // The cart tab fills `sepet` on a worker with its controls disabled; reading it
    // meanwhile would race with the fill. The user's input waits with it, briefly.
    if (!m_p.sepet->ControlsDisabled())
        return;
    QEventLoop bekle;
    QTimer yokla;
    connect(&yokla, &QTimer::timeout, &bekle, [this, &bekle] {
        if (!m_p.sepet->ControlsDisabled())
            bekle.quit();
    });
    yokla.start(20);
    bekle.exec(QEventLoop::ExcludeUserInputEvents);
}

std::optional<int> SepeteEkleme::sepettekiSatir(int stokno)
{
    if (!m_p.sepet->Active() || m_p.sepet->FieldIndex(QStringLiteral("STOKNO")) < 0)
        return std::nullopt;
    for (int row = 0; row < m_p.sepet->RecordCount(); ++row) {
        const RowValues satir(m_p.sepet, row);
        if (qRound(satir.number(QStringLiteral("STOKNO"))) == stokno)
            return qRound(satir.number(QStringLiteral("SIRANO")));
    }
    return std::nullopt;
}

void SepeteEkleme::StokSepeteEkle(int stokno)
{
    listedenEkle(m_p.stok, StokKaynagi::StokListesi, stokno);
}

void SepeteEkleme::YeniSepeteEkle(int stokno)
{
    listedenEkle(m_p.YENILER, StokKaynagi::YeniStoklar, stokno);
}

void SepeteEkleme::KampanyaliSepeteEkle(int stokno)
{
    listedenEkle(m_p.kampstok, StokKaynagi::Kampanyali, stokno);
}

void SepeteEkleme::listedenEkle(ClientDataSet* veri, StokKaynagi kaynak, int stokno)
{
    const StokSatiri satir = StokSatiri::listeden(gecerliSatir(veri));
    Tstokayarinti dialog(m_p.anaPencere, stokno);
    if (goster(dialog, satir, kaynak))
        SatirEkle(satir, *dialog.miktar(), dialog.fiyat(), dialog.oranlar());
}

void SepeteEkleme::SepetSatirDegistir(int sirano)
{
    sepetBekle();
    if (!m_p.sepet->Active() || !m_p.sepet->Locate(QStringLiteral("SIRANO"), sirano))
        return;
    const StokSatiri satir = StokSatiri::sepetten(gecerliSatir(m_p.sepet));
    {
        Tstokayarinti dialog(m_p.anaPencere, satir.stokno);
        if (goster(dialog, satir, StokKaynagi::SepetSatiri))
            SatirGuncelle(satir, *dialog.miktar(), dialog.fiyat());
    }
    sepetiYenile();
}

bool SepeteEkleme::goster(Tstokayarinti& dialog, const StokSatiri& satir, StokKaynagi kaynak)
{
    StokResimAl(*m_p.bagc, satir.stokno, *dialog.Image1);
    dialog.Doldur(satir, kaynak, satici());
    return dialog.exec() == QDialog::Accepted;
}

void SepeteEkleme::SatirEkle(const StokSatiri& satir, int miktar, double fiyat,
                             const FiyatHesabi::Oranlar& oranlar)
{
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(*m_p.sbilgi);
    if (!BaglantiKontrol(*m_p.bagc, true))
        return;
    const TSonucBilgisi& s = *m_p.sbilgi;
    const int sonuc = anaBaglantiIle(*m_p.bagc, [&](TServerMethods1Client& proxy) {
        return proxy.SepetEkle2(std::move(kopya), s.CARINO(), satir.stokno, satir.barkod,
                                satir.adi, miktar, qRound(satir.kdv), fiyat, oranlar[0],
                                s.Sirano(), satir.k, oranlar[1], oranlar[2], oranlar[3]);
    });
    // Any other answer leaves the cart as it is shown.
    if (sonuc == 1)
        sepetiYenile();
}

void SepeteEkleme::SatirGuncelle(const StokSatiri& satir, int miktar, double fiyat)
{
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(*m_p.sbilgi);
    if (!BaglantiKontrol(*m_p.bagc, true))
        return;
    const TSonucBilgisi& s = *m_p.sbilgi;
    const FiyatHesabi::Oranlar& o = satir.oranlar; // the line's stored rates
    const int sonuc = anaBaglantiIle(*m_p.bagc, [&](TServerMethods1Client& proxy) {
        return proxy.SepetGuncelle2(std::move(kopya), s.CARINO(), 0, satir.barkod, satir.adi,
                                    miktar, qRound(satir.kdv), fiyat, o[0], s.Sirano(),
                                    satir.sirano, o[1], o[2], o[3]);
    });
    if (sonuc == 1)
        sepetiYenile();
}

void SepeteEkleme::sepetiYenile()
{
    if (sepetYenile)
        sepetYenile();
}

bool SepeteEkleme::satici() const
{
    const int tip = m_p.sbilgi->MusteriTipi();
    return tip == 1 || tip == 2;
}
