#pragma once

#include <array>

/// The price arithmetic of one cart line: gross amount, cascaded discounts, net unit price,
/// VAT-inclusive unit price and line total, each money step rounded to two decimals.
struct FiyatHesabi
{
    using Oranlar = std::array<double, 4>;

    double indirimTutar = 0; // gross minus the discounted amount, not rounded
    double kdvDahil = 0;     // VAT-inclusive net unit price
    double genelTutar = 0;   // VAT-inclusive line total

    /// Applies the rates one after another to what the previous ones left; a rate of 0 or
    /// below is skipped.
    static double IndirimHesapla(double brut, const Oranlar& oranlar);
    /// `fiyat` per unit, `adet` units, VAT `kdvOran` in per cent. A quantity of 0 gives a
    /// unit price and total of 0.
    static FiyatHesabi Hesapla(double fiyat, int adet, double kdvOran, const Oranlar& oranlar);
};
