#pragma once

#include "KatalogParcalari.h"

#include <QObject>

class QAction;
class QKeyEvent;
class QMenu;

/// The stock tab: the search box with its Turkish letter table, "Ara" and "Temizle", the
/// background search `StokListesiGetir` into `stok`, the stock grid's price summary and its
/// pop-up menu `popstok`. While a search runs the box is disabled, which is the only guard
/// against a second one.
class StokArama : public QObject
{
    Q_OBJECT

public:
    StokArama(const KatalogParcalari& parcalar, QObject* parent = nullptr);

    /// The letter a typed character becomes in the search box (itself when not in the table).
    static QChar HarfDonustur(QChar typed);

    /// Enter in the box: checks the length and starts the background search.
    void AramaBaslat();
    /// "Ara": as Enter, while the box is enabled.
    void SpeedButton2Click();
    /// "Temizle": empties the list and the box, while the box is enabled.
    void SpeedButton1Click();
    /// The background search on the clone `baglanti`; true when it failed. `adet` receives
    /// the number of rows found.
    bool StokListesiGetir(RemoteConnection& baglanti, const QString& kod,
                          const TSonucBilgisi& bilgi, int& adet);

    QMenu* popstok;
    QAction* S2;               // "Sepete Ekle"
    QAction* B1;               // "Sipariş Bakiyeleriniz", no action
    QAction* S3;               // "Siparişleri Göster"
    QAction* StokHareketleri1; // "Stok Hareketleri"

signals:
    /// A search has ended and its result (or failure) is on screen.
    void aramaBitti();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool araeditKeyPress(QKeyEvent* event);
    void aramaTamam(bool hata, int adet);
    void menuKur();

    KatalogParcalari m_p;
};
