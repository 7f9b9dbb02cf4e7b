#include "Katalog.h"

#include "ClientDataSet.h"
#include "DataGrid.h"
#include "SepeteEkleme.h"
#include "StokArama.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "UrunSekmesi.h"

#include <QAction>
#include <QLineEdit>

namespace {

/// `YenileriGetir`'s call: the new products of the session's customer.
DataTable YenilerVer(TServerMethods1Client& proxy, const TSonucBilgisi& bilgi)
{
    return proxy.YenilerVer2(bilgi.CARINO());
}

/// `KampanyalilariGetir`'s call: the campaign products, with the user type as `satici`.
DataTable KampanyalilarVer(TServerMethods1Client& proxy, const TSonucBilgisi& bilgi)
{
    return proxy.KampanyaliVer2(bilgi.CARINO(), bilgi.MusteriTipi());
}

} // namespace

Katalog::Katalog(const KatalogParcalari& parcalar, QObject* parent)
    : QObject(parent), m_p(parcalar), m_stokArama(new StokArama(parcalar, this)),
      m_yeniler(new UrunSekmesi({parcalar.syeniler, QStringLiteral("Yeni Stoklar"),
                                 parcalar.cxGrid6, parcalar.YENILER, parcalar.gifyeniler,
                                 parcalar.bagc, parcalar.sbilgi, &YenilerVer},
                                this)),
      m_kampanyali(
          new UrunSekmesi({parcalar.skampanyali, QStringLiteral("Kampanyalı"),
                           parcalar.cxkampanyali, parcalar.kampstok, parcalar.gifkampanyali,
                           parcalar.bagc, parcalar.sbilgi, &KampanyalilarVer},
                          this)),
      m_sepeteEkleme(new SepeteEkleme(parcalar, this))
{
    m_sepeteEkleme->sepetYenile = [this] {
        if (sepetYenile)
            sepetYenile();
    };
    SepeteEkleme* ekleme = m_sepeteEkleme;
    connect(m_p.cxGrid1, &DataGrid::doubleClicked, ekleme,
            &SepeteEkleme::cxGrid1DBTableView1DblClick);
    connect(m_stokArama->S2, &QAction::triggered, ekleme,
            &SepeteEkleme::cxGrid1DBTableView1DblClick);
    connect(m_p.cxGrid6, &DataGrid::doubleClicked, ekleme,
            &SepeteEkleme::cxGridDBTableView5DblClick);
    connect(m_p.cxkampanyali, &DataGrid::doubleClicked, ekleme,
            &SepeteEkleme::cxGridDBTableViewkampanyaliDblClick);
}

void Katalog::SepetSatirDegistir(int sirano)
{
    m_sepeteEkleme->SepetSatirDegistir(sirano);
}

bool Katalog::calisiyor() const
{
    return !m_p.araedit->isEnabled() || m_yeniler->calisiyor() || m_kampanyali->calisiyor();
}
