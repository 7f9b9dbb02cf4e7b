#pragma once

#include "FiyatHesabi.h"
#include "KatalogParcalari.h"
#include "StokSatiri.h"

#include <QObject>
#include <functional>
#include <optional>

class Tstokayarinti;

/// Putting items into the cart and changing cart lines through the stock detail dialog,
/// from the stock, new-products and campaign lists and from the cart. An item is never put
/// into the cart twice from a list: when the cart holds it, its line is opened instead.
/// The calls block the window until the server answers.
class SepeteEkleme : public QObject
{
    Q_OBJECT

public:
    SepeteEkleme(const KatalogParcalari& parcalar, QObject* parent = nullptr);

    /// Fetches the cart into `sepet` on the GUI thread and updates its tab's caption and
    /// totals. Set by the main window.
    std::function<void()> sepetYenile;

    /// Double-clicks (and "Sepete Ekle") of the three lists.
    void cxGrid1DBTableView1DblClick();
    void cxGridDBTableView5DblClick();
    void cxGridDBTableViewkampanyaliDblClick();

    /// Opens the dialog for the current row of `stok`, `YENILER` or `kampstok` and adds
    /// the item on OK.
    void StokSepeteEkle(int stokno);
    void YeniSepeteEkle(int stokno);
    void KampanyaliSepeteEkle(int stokno);
    /// Opens the dialog for the cart line `sirano`, changes it on OK, then refreshes the
    /// cart whatever happened.
    void SepetSatirDegistir(int sirano);

    /// `SepetEkle2` over the main connection; refreshes the cart when the server took it.
    void SatirEkle(const StokSatiri& satir, int miktar, double fiyat,
                   const FiyatHesabi::Oranlar& oranlar);
    /// `SepetGuncelle2` over the main connection with the line's stored rates.
    void SatirGuncelle(const StokSatiri& satir, int miktar, double fiyat);

private:
    void listedenAc(DataGrid* grid, ClientDataSet* veri, StokKaynagi kaynak);
    void listedenEkle(ClientDataSet* veri, StokKaynagi kaynak, int stokno);
    /// Shows the dialog for `satir`; true when the user confirmed.
    bool goster(Tstokayarinti& dialog, const StokSatiri& satir, StokKaynagi kaynak);
    void sepetBekle();
    std::optional<int> sepettekiSatir(int stokno);
    void sepetiYenile();
    bool satici() const;

    KatalogParcalari m_p;
};
