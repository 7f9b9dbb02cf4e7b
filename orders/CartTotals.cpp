#include "CartTotals.h"

#include "ClientDataSet.h"
#include "IkiHaneYuvarla.h"

namespace {

double cell(const ClientDataSet& data, int row, int column)
{
    return column < 0 ? 0.0 : data.value(row, column).toDouble();
}

} // namespace

CartTotals CartTotals::of(const ClientDataSet& sepet)
{
    CartTotals t;
    const int sec = sepet.FieldIndex(QStringLiteral("SEC"));
    if (sec < 0)
        return t;
    const int tutar = sepet.FieldIndex(QStringLiteral("TUTAR"));
    const int indirim = sepet.FieldIndex(QStringLiteral("INDIRIMTUTAR"));
    const int vergi = sepet.FieldIndex(QStringLiteral("VERGITUTARI"));
    for (int row = 0; row < sepet.RecordCount(); ++row) {
        if (cell(sepet, row, sec) != 1.0)
            continue;
        t.Toplam = IkiHaneYuvarla(t.Toplam + cell(sepet, row, tutar));
        t.IndirimToplam = IkiHaneYuvarla(t.IndirimToplam + cell(sepet, row, indirim));
        t.Vergi = IkiHaneYuvarla(t.Vergi + cell(sepet, row, vergi));
    }
    t.AraToplam = IkiHaneYuvarla(t.Toplam - t.IndirimToplam);
    t.GenelToplam = IkiHaneYuvarla(t.Vergi + t.AraToplam);
    return t;
}
