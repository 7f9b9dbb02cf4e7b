#include "OrderSql.h"

#include "Database.h"
#include "OrderStatus.h"

QString OrderSql::lineSelect()
{
    return QStringLiteral(
        "SELECT l.SEPETTARIHI AS VERILISTARIHI, l.BARKOD, s.FINISHKOD, s.OEMNO, l.STOKADI,"
        " l.MIKTAR, l.BIRIMFIYAT, l.TUTAR, l.INDIRIMYAZI,"
        " CASE WHEN l.MIKTAR <> 0 THEN l.NETTUTAR / l.MIKTAR ELSE 0 END AS NETBIRIMFIYAT,"
        " l.KDV, l.VERGITUTARI, l.NETTUTAR, u.ADI AS VEREN, l.TESLIMEDILEN,"
        " l.MIKTAR - l.TESLIMEDILEN AS KALAN, s.DURUM, l.IDNO AS SIPARISNO, o.TARIH,"
        " l.IND1 AS INDIRIMORANI1, l.IND2 AS INDIRIMORANI2, l.IND3 AS INDIRIMORANI3,"
        " l.IND4 AS INDIRIMORANI4, 'TL' AS KUR, o.SAAT, o.ACIKLAMA, s.OEM1, s.OEM2, s.OEM3,"
        " s.OEM4, s.DIGERADI, s.DPKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.OZELKOD, s.PKOD,"
        " l.SIRANO, o.CARINO, 0 AS AKTAR, l.STOKNO, l.INDIRIMTUTAR, 1.0 AS KURTL,"
        " o.VERENID AS VERENIDNO, o.TESLIMID, o.KARGOID, l.IDNO, o.VERENID AS VERENSIRANO,"
        " c.CARIKOD, c.CARIADI, l.STOKNO AS STOK_STOKNO, s.URETICIKODU, t.ADI AS TESLIM,"
        " k.ADI AS KARGO, l.STOKHAR_NO, l.ILKFIYAT, s.KALAN AS ELDEKI, s.ALINANSIPARIS,"
        " s.VERILENSIPARIS"
        " FROM SIPARIS_SATIR l JOIN SIPARIS o ON o.IDNO = l.IDNO"
        " JOIN STOK s ON s.STOKNO = l.STOKNO JOIN CARI c ON c.CARINO = o.CARINO"
        " LEFT JOIN KULLANICI u ON u.SIRANO = o.VERENID LEFT JOIN TESLIM t ON t.ID = o.TESLIMID"
        " LEFT JOIN KARGO k ON k.ID = o.KARGOID ");
}

QString OrderSql::headerSelect()
{
    const QString sum = QStringLiteral(
        "(SELECT COALESCE(SUM(x.%1), 0) FROM SIPARIS_SATIR x WHERE x.IDNO = o.IDNO)");
    return QStringLiteral(
               "SELECT o.CARINO, o.IDNO, o.TARIH, 'TL' AS KUR, 1.0 AS KURTL,"
               " o.VERENID AS VERENIDNO, k.ADI AS KARGO, t.ADI AS TESLIM, u.ADI AS VEREN,"
               " c.CARIKOD, c.CARIADI, %1 AS VERGI, %2 AS NETTUTAR, %3 AS TUTAR, %4 AS DURUM,"
               " f.ADI AS KARGOADI, o.ACIKLAMA AS VERENINNOTU, o.ALANNOTU, sa.ADI AS SATICIADI"
               " FROM SIPARIS o JOIN CARI c ON c.CARINO = o.CARINO"
               " LEFT JOIN SATICI sa ON sa.SATICINO = c.SATICINO"
               " LEFT JOIN KULLANICI u ON u.SIRANO = o.VERENID"
               " LEFT JOIN TESLIM t ON t.ID = o.TESLIMID LEFT JOIN KARGO k ON k.ID = o.KARGOID"
               " LEFT JOIN KARGOFIRMA f ON f.SIRANO = o.KARGOFIRMAID ")
        .arg(sum.arg(QStringLiteral("VERGITUTARI")), sum.arg(QStringLiteral("NETTUTAR")),
             sum.arg(QStringLiteral("TUTAR")), OrderStatus::caseExpression(QStringLiteral("o.DURUM")));
}

void OrderSql::reprice(Database& db, int sirano)
{
    SqlStatement s = db.query(QStringLiteral("SELECT MIKTAR, BIRIMFIYAT, IND1, IND2, IND3, IND4, "
                                             "KDV FROM SIPARIS_SATIR WHERE SIRANO = ?"),
                              {sirano});
    if (!s.next())
        return;
    const LineAmounts a = PriceMath::line(s.toDouble(0), s.toDouble(1),
                                          {s.toDouble(2), s.toDouble(3), s.toDouble(4),
                                           s.toDouble(5)},
                                          s.toDouble(6));
    db.exec(QStringLiteral("UPDATE SIPARIS_SATIR SET TUTAR = ?, INDIRIMTUTAR = ?, NETTUTAR = ?, "
                           "VERGITUTARI = ?, INDIRIMYAZI = ? WHERE SIRANO = ?"),
            {a.gross, a.discount, a.net, a.vat, a.discountText, sirano});
}

void OrderSql::insertLine(Database& db, int idno, int position, const QVariantList& item,
                          double quantity, double delivered, double price,
                          const PriceMath::Rates& rates, const QString& cartTime)
{
    // item: STOKNO, BARKOD, STOKADI, KDV
    const double vat = item[3].toDouble();
    const LineAmounts a = PriceMath::line(quantity, price, rates, vat);
    db.exec(QStringLiteral(
                "INSERT INTO SIPARIS_SATIR (IDNO, STOKHAR_NO, STOKNO, BARKOD, STOKADI, MIKTAR, "
                "TESLIMEDILEN, KDV, BIRIMFIYAT, ILKFIYAT, IND1, IND2, IND3, IND4, INDIRIMYAZI, "
                "TUTAR, INDIRIMTUTAR, NETTUTAR, VERGITUTARI, SEPETTARIHI) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {idno, idno * 1000 + position, item[0], item[1], item[2], quantity, delivered, vat,
             price, price, rates[0], rates[1], rates[2], rates[3], a.discountText, a.gross,
             a.discount, a.net, a.vat, cartTime});
}
