#pragma once

#include "KatalogParcalari.h"

#include <QObject>
#include <functional>

class SepeteEkleme;
class StokArama;
class UrunSekmesi;

/// The catalogue on the main window: the stock search tab, the new-products and campaign
/// tabs, and the stock detail dialog opened from their lists (double-click, "Sepete Ekle")
/// and from the cart. Built once by the main window, which owns everything it works on.
class Katalog : public QObject
{
    Q_OBJECT

public:
    Katalog(const KatalogParcalari& parcalar, QObject* parent = nullptr);

    /// Fetches the cart on the GUI thread with its summary update (caption and totals).
    /// Set by the main window; the catalogue calls it after changing the cart and when it
    /// needs the cart before opening an item.
    std::function<void()> sepetYenile;

    /// The stock detail dialog for the cart line `sirano` (double-click on a cart line,
    /// "Satır Değiştir"): changes the line on OK and refreshes the cart.
    void SepetSatirDegistir(int sirano);

    /// True while a search or a list fetch runs in the background.
    bool calisiyor() const;

    StokArama* stokArama() const { return m_stokArama; }
    UrunSekmesi* yeniler() const { return m_yeniler; }
    UrunSekmesi* kampanyali() const { return m_kampanyali; }
    SepeteEkleme* sepeteEkleme() const { return m_sepeteEkleme; }

private:
    KatalogParcalari m_p;
    StokArama* m_stokArama;
    UrunSekmesi* m_yeniler;
    UrunSekmesi* m_kampanyali;
    SepeteEkleme* m_sepeteEkleme;
};
