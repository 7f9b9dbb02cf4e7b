#include "StokSatiri.h"

#include "RowValues.h"

#include <QtMath>

namespace {

/// What every source row has under the same names.
StokSatiri ortak(const RowValues& row)
{
    StokSatiri s;
    s.barkod = row.text(QStringLiteral("BARKOD"));
    s.finishkod = row.text(QStringLiteral("FINISHKOD"));
    s.marka = row.text(QStringLiteral("MARKA"));
    s.model = row.text(QStringLiteral("MODEL"));
    s.kdv = row.number(QStringLiteral("KDV"));
    return s;
}

FiyatHesabi::Oranlar oranlariOku(const RowValues& row, const QString& onEk)
{
    FiyatHesabi::Oranlar o{};
    for (int i = 0; i < 4; ++i)
        o[i] = row.number(onEk + QString::number(i + 1));
    return o;
}

} // namespace

StokSatiri StokSatiri::listeden(const RowValues& row)
{
    StokSatiri s = ortak(row);
    s.stokno = qRound(row.number(QStringLiteral("STOK_STOKNO")));
    s.adi = row.text(QStringLiteral("ADI"));
    s.k = qRound(row.number(QStringLiteral("K")));
    s.fiyat = row.number(QStringLiteral("FIYAT"));
    s.oranlar = oranlariOku(row, QStringLiteral("IND"));
    s.indirimYazi = row.text(QStringLiteral("INDIRIMYAZI"));
    return s;
}

StokSatiri StokSatiri::sepetten(const RowValues& row)
{
    StokSatiri s = ortak(row);
    s.stokno = qRound(row.number(QStringLiteral("STOKNO")));
    s.sirano = qRound(row.number(QStringLiteral("SIRANO")));
    s.adi = row.text(QStringLiteral("STOKADI"));
    s.fiyat = row.number(QStringLiteral("BIRIMFIYAT"));
    s.oranlar = oranlariOku(row, QStringLiteral("INDIRIMORANI"));
    s.miktar = qRound(row.number(QStringLiteral("MIKTAR")));
    return s;
}
