#pragma once

#include "FiyatHesabi.h"

#include <QString>

class RowValues;

/// Where the stock detail dialog was opened from; it decides the dialog's captions.
enum class StokKaynagi
{
    StokListesi,
    YeniStoklar,
    Kampanyali,
    SepetSatiri,
};

/// The values of the row the stock detail dialog shows, taken when the dialog opens, so
/// that what is sent afterwards is what was shown whatever the data set does meanwhile.
struct StokSatiri
{
    int stokno = 0;
    int sirano = 0; // the cart line's number (cart lines only)
    QString barkod;
    QString adi;
    QString finishkod;
    QString marka;
    QString model;
    double kdv = 0;
    int k = 0; // campaign flag of a list row
    double fiyat = 0;
    FiyatHesabi::Oranlar oranlar{};
    QString indirimYazi;
    int miktar = 1;

    /// A row of the stock, new-products or campaign list.
    static StokSatiri listeden(const RowValues& row);
    /// A line of the cart.
    static StokSatiri sepetten(const RowValues& row);
};
