#include "FiyatHesabi.h"

#include "IkiHaneYuvarla.h"

double FiyatHesabi::IndirimHesapla(double brut, const Oranlar& oranlar)
{
    double kalan = brut;
    for (const double oran : oranlar) {
        if (oran > 0)
            kalan -= kalan * oran / 100;
    }
    return kalan;
}

FiyatHesabi FiyatHesabi::Hesapla(double fiyat, int adet, double kdvOran, const Oranlar& oranlar)
{
    const double brut = fiyat * adet;
    const double indirimli = IndirimHesapla(brut, oranlar);
    const double net = IkiHaneYuvarla(indirimli);
    const double birimNet = adet == 0 ? 0.0 : IkiHaneYuvarla(net / adet);
    FiyatHesabi sonuc;
    sonuc.indirimTutar = brut - indirimli;
    sonuc.kdvDahil = IkiHaneYuvarla(birimNet * (kdvOran / 100 + 1));
    sonuc.genelTutar = IkiHaneYuvarla(sonuc.kdvDahil * adet);
    return sonuc;
}
