#pragma once

#include "FiyatHesabi.h"
#include "StokSatiri.h"

#include <QDialog>

#include <optional>

class AdetKutusu;
class PictureBox;
class QGridLayout;
class QLabel;
class QPushButton;
class TAsyncResim;
class TutarKutusu;

/// The stock detail dialog "Sepete Ekle": one item with its codes, name and picture, and
/// the price arithmetic for the chosen quantity. Customers see fixed prices; salesmen may
/// change the unit price and the four discount rates. It closes with OK only when the
/// quantity is a whole number from 1 to 10000; otherwise the quantity box takes the focus
/// with its text selected.
class Tstokayarinti : public QDialog
{
    Q_OBJECT

public:
    /// Opens for the item `stokno`, owned by `owner`.
    Tstokayarinti(QWidget* owner, int stokno);
    ~Tstokayarinti() override;

    /// Fills labels, prices, rates, quantity and captions from the row and applies the
    /// salesman's rights.
    void Doldur(const StokSatiri& satir, StokKaynagi kaynak, bool satici);

    /// True when the four discount rates add up to more than 1.
    bool IndirimVarmi() const;
    /// Turns a unit price with 18 % VAT into the price without it.
    void KdvCikar();
    /// Recomputes the discount amount, the VAT-inclusive unit price and the line total.
    void Hesapla();

    /// What the user confirmed: the quantity (when valid), unit price and rates.
    std::optional<int> miktar() const;
    double fiyat() const;
    FiyatHesabi::Oranlar oranlar() const;

    int stokno;
    double kdvoran = 0;

    QLabel* barkod;
    QLabel* adi;
    QLabel* finishkod;
    QLabel* marka;
    QLabel* model;
    PictureBox* Image1;
    TAsyncResim* AsyncResim1;
    AdetKutusu* adet;
    QLabel* Label2;
    TutarKutusu* birimfiyat;
    QLabel* indirimoran;
    TutarKutusu* indtutar;
    TutarKutusu* kdvdahiltutar;
    TutarKutusu* geneltutar;
    QWidget* GridPanel2;
    TutarKutusu* edindirim1;
    TutarKutusu* edindirim2;
    TutarKutusu* edindirim3;
    TutarKutusu* edindirim4;
    QPushButton* ParcaliTus1;
    QPushButton* ParcaliTus2;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* ustPanel();
    QWidget* resimAlani();
    QWidget* tutarlar();
    QWidget* iskontolar();
    QWidget* tuslar();
    QList<TutarKutusu*> tutarKutulari() const;
    void captions(const StokSatiri& satir, StokKaynagi kaynak);
    void haklar(StokKaynagi kaynak, bool satici);

    void FormShow();
    void FormActivate();
    void adetChange();
    void adetKeyDown();
    void birimfiyatKeyUp(int key);
    void ParcaliTus1Click();
    void ParcaliTus2Click();
};
