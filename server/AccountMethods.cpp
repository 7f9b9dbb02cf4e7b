#include "AccountMethods.h"

#include "AccountLookup.h"
#include "Database.h"
#include "Money.h"
#include "PdfDocument.h"
#include "QueryTable.h"

#include <QDate>

namespace {

WireCodec::Result records(MethodContext& ctx, const CallArgs& a, const QString& sql,
                          const QVariantList& binds, bool packet = false)
{
    DataTable t = QueryTable::run(ctx.db, sql, binds);
    return a.result(packet ? WireValue::dataPacket(std::move(t))
                           : WireValue::recordSet(std::move(t)));
}

/// Overdue part of an account: credits pay the oldest debits first; what stays unpaid of
/// debits already due is overdue. Gives the amount and the days since the oldest due date.
std::pair<double, int> overdue(Database& db, int carino)
{
    SqlStatement s = db.query(QStringLiteral("SELECT BORC, ALACAK, VADE FROM CARIHAREKET "
                                             "WHERE CARINO = ? ORDER BY VADE, SIRANO"),
                              {carino});
    QList<std::pair<double, QDate>> debits;
    double credit = 0;
    while (s.next()) {
        credit += s.toDouble(1);
        if (s.toDouble(0) > 0)
            debits.append({s.toDouble(0), SqlDialect::toDateTime(s.value(2)).date()});
    }
    const QDate today = QDate::currentDate();
    double amount = 0;
    int days = 0;
    for (const auto& [debit, due] : debits) {
        const double unpaid = std::max(0.0, debit - credit);
        credit = std::max(0.0, credit - debit);
        if (unpaid > 0.005 && due < today) {
            amount += unpaid;
            days = std::max(days, int(due.daysTo(today)));
        }
    }
    return {PriceMath::round2(amount), days};
}

const QString invoiceLineSelect = QStringLiteral(
    "SELECT s.OEMNO, s.ADI AS STOKADI, s.FINISHKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.BIRIM,"
    " l.MIKTAR AS STOKHAR_MIKTAR, l.BIRIMFIYAT AS STOKHAR_TLBIRIMFIYATI,"
    " l.TUTAR AS STOKHAR_TLTUTAR, l.IND1 AS STOKHAR_INDIRIM1, l.IND2 AS STOKHAR_INDIRIM2,"
    " l.KDV, l.INDIRIMTUTAR AS STOKHAR_TOPLAMINDIRIM, 0.0 AS STOKHAR_TOPLAMMASRAF,"
    " CASE WHEN l.MIKTAR <> 0 THEN l.NETTUTAR / l.MIKTAR ELSE 0 END AS STOKHAR_NETTLBIRIMFIYATI,"
    " l.NETTUTAR AS STOKHAR_NETTLTUTAR, s.OZELKOD, s.BARKOD, f.TARIH AS STOKHAR_HAREKETTARIHI,"
    " f.EVRAKCINSI AS STOKHAR_HAREKETTIPI2, f.EVRAKNO, l.VERGITUTARI AS STOKHAR_TLVERGI,"
    " f.IRSALIYENO AS IRSALIYEEVRAKNO, f.TARIH AS STOKHAR_IRSTARIHI,"
    " l.ACIKLAMA AS SATIRACIKLMASI, '' AS STOKHAR_SAAT, f.VADEGUN AS STOKHAR_VADE,"
    " o.IDNO AS SIPARISEVRAKNO, o.TARIH AS SIPARISTARIHI, 'Satış İrsaliyesi' AS IRSALIYETIP2,"
    " 0.0 AS STOKHAR_INDIRIM3, 0.0 AS STOKHAR_INDIRIM4, 0.0 AS STOKHAR_INDIRIM5,"
    " 0.0 AS STOKHAR_INDIRIM6, 0.0 AS STOKHAR_INDIRIM7, 0.0 AS STOKHAR_INDIRIM8,"
    " 0.0 AS STOKHAR_DOVIZBIRIMFIYATI, 0.0 AS STOKHAR_DOVIZVERGI, 0.0 AS STOKHAR_DOVIZTUTAR,"
    " '' AS STOKHAR_PARTI, '' AS STOKHAR_BEDEN, '' AS STOKHAR_RENK, 0.0 AS STOKHAR_MASRAF1,"
    " 0.0 AS STOKHAR_MASRAF2, 0.0 AS STOKHAR_DOVIZTOPLAMINDIRIM,"
    " 0.0 AS STOKHAR_DOVIZTOPLAMMASRAF, 0.0 AS STOKHAR_NETDOVIZBIRIMFIYATI,"
    " 0.0 AS STOKHAR_NETDOVIZTUTAR, 1.0 AS STOKHAR_KURTL, sa.ADI AS SATICIADI,"
    " 1 AS SIPARISTIPI, 1 AS IRSALIYETIPINO, c.CARIKOD AS STOKCARIKOD, 1 AS SUBE_NO,"
    " f.CARINO AS STOKHAR_CARINO, 'TL' AS KUR_KURSIMGE, s.URETICIKODU, s.DPKOD,"
    " s.ADI AS ENADI, s.PKOD, l.SIRANO AS BELGENO, f.IDNO"
    " FROM FATURA_SATIR l JOIN FATURA f ON f.IDNO = l.IDNO JOIN STOK s ON s.STOKNO = l.STOKNO"
    " JOIN CARI c ON c.CARINO = f.CARINO LEFT JOIN SATICI sa ON sa.SATICINO = f.SATICINO"
    " LEFT JOIN SIPARIS o ON o.IDNO = f.SIPARISIDNO"
    " WHERE f.IDNO = ? AND f.CARINO = ? ORDER BY l.SIRANO");

const QString movementSelect = QStringLiteral(
    "SELECT f.TARIH, f.EVRAKCINSI AS TURU, f.EVRAKSERI, f.IDNO AS EVRAKSIRA, l.MIKTAR,"
    " l.BIRIMFIYAT AS TLBIRIMFIYAT, l.VERGITUTARI AS TLVERGI, l.TUTAR AS TLTUTAR,"
    " l.INDIRIMTUTAR AS TOPLAMINDIRIM,"
    " CASE WHEN l.MIKTAR <> 0 THEN l.NETTUTAR / l.MIKTAR ELSE 0 END AS NETBIRIMFIYAT,"
    " l.NETTUTAR AS NETTLTUTAR,"
    " CASE WHEN l.MIKTAR <> 0 THEN (l.NETTUTAR + l.VERGITUTARI) / l.MIKTAR ELSE 0 END"
    " AS KDVDAHILBIRIMFIYAT, l.NETTUTAR + l.VERGITUTARI AS KDVDAHILTUTAR, s.BARKOD,"
    " l.IND1 AS INDIRIM1, l.IND2 AS INDIRIM2, 0.0 AS INDIRIM3, 0.0 AS INDIRIM4,"
    " 0.0 AS INDIRIM5, 0.0 AS INDIRIM6, 0.0 AS INDIRIM7, 0.0 AS INDIRIM8, 0.0 AS MASRAF1,"
    " 0.0 AS MASRAF2, 0.0 AS TOPLAMMASRAF, f.VADEGUN AS VADE, c.CARIKOD AS STOKCARIKOD,"
    " sa.ADI AS SATICI"
    " FROM FATURA_SATIR l JOIN FATURA f ON f.IDNO = l.IDNO JOIN STOK s ON s.STOKNO = l.STOKNO"
    " JOIN CARI c ON c.CARINO = f.CARINO LEFT JOIN SATICI sa ON sa.SATICINO = f.SATICINO"
    " WHERE f.CARINO = ? AND (? = 0 OR l.STOKNO = ?) ORDER BY f.TARIH, l.SIRANO");

} // namespace

void AccountMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("CariEkstreVer"), &CariEkstreVer);
    map.insert(QStringLiteral("FaturaGetir"), &FaturaGetir);
    map.insert(QStringLiteral("FaturaAltGetir"), &FaturaAltGetir);
    map.insert(QStringLiteral("Tahsilat"), &Tahsilat);
    map.insert(QStringLiteral("SanalposSiranoVer"), &SanalposSiranoVer);
    map.insert(QStringLiteral("SAnalPosPdfVer"), &SAnalPosPdfVer);
    map.insert(QStringLiteral("StokHareketVer"), &StokHareketVer);
    map.insert(QStringLiteral("CariDurumVer"), &CariDurumVer);
    map.insert(QStringLiteral("CariVadeGunGecmismiBul"), &CariVadeGunGecmismiBul);
}

// BAKIYE and D travel empty: the client computes the running balance in row order.
WireCodec::Result AccountMethods::CariEkstreVer(MethodContext& ctx, const CallArgs& a)
{
    return records(ctx, a,
                   QStringLiteral("SELECT CARINO, TARIH, TURADI, EVRAK, BORC, ALACAK, KUR, "
                                  "NULL AS BAKIYE, '' AS D, IDNO, ACIKLAMA FROM CARIHAREKET "
                                  "WHERE CARINO = ? ORDER BY TARIH, SIRANO"),
                   {a.integer(0)});
}

WireCodec::Result AccountMethods::FaturaGetir(MethodContext& ctx, const CallArgs& a)
{
    return records(ctx, a, invoiceLineSelect, {a.integer(1), a.integer(0)});
}

WireCodec::Result AccountMethods::FaturaAltGetir(MethodContext& ctx, const CallArgs& a)
{
    return records(ctx, a,
                   QStringLiteral("SELECT SUM(TUTAR) AS TOPLAM, SUM(INDIRIMTUTAR) AS TOPLAMINDIRIM, "
                                  "SUM(NETTUTAR) AS MATRAH, SUM(VERGITUTARI) AS KDVTUTAR, "
                                  "SUM(NETTUTAR + VERGITUTARI) AS KDVDAHIL FROM FATURA_SATIR "
                                  "WHERE IDNO = ? GROUP BY IDNO"),
                   {a.integer(0)});
}

WireCodec::Result AccountMethods::Tahsilat(MethodContext& ctx, const CallArgs& a)
{
    return records(ctx, a,
                   QStringLiteral(
                       "SELECT t.TARIH AS \"Tarih\", t.TURU AS \"Türü\", l.CINS AS \"Cins\","
                       " l.VADE AS \"Vade\", l.TUTAR AS \"Tutar\", l.ACIKLAMA AS \"Açıklama\","
                       " t.EVRAKNO AS \"EvrakNo\", l.REF AS \"Ref\", l.SAAT AS \"Saat\","
                       " 'TL' AS \"Kur\", 1.0 AS \"KurTL\", 0.0 AS \"Döviz Tutar\""
                       " FROM TAHSILAT t JOIN TAHSILAT_SATIR l ON l.IDNO = t.IDNO"
                       " WHERE t.IDNO = ? ORDER BY l.SIRANO"),
                   {a.integer(0)});
}

WireCodec::Result AccountMethods::SanalposSiranoVer(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(QStringLiteral("SELECT SANALPOSNO FROM TAHSILAT WHERE IDNO = ?"),
                                  {a.integer(0)});
    return a.result(WireValue::int32(s.next() ? s.toInt(0) : 0));
}

// The card-payment receipt as a PDF document; no bytes for an unknown payment.
WireCodec::Result AccountMethods::SAnalPosPdfVer(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(
        QStringLiteral("SELECT p.SIRANO, p.TARIH, p.TUTAR, p.KARTNO, p.KARTSAHIBI, p.ONAYKODU, "
                       "p.TAKSIT, c.CARIKOD, c.CARIADI FROM SANALPOS p "
                       "JOIN CARI c ON c.CARINO = p.CARINO WHERE p.SIRANO = ?"),
        {a.integer(0)});
    if (!s.next())
        return a.stream({});
    PdfDocument pdf(QStringLiteral("Sanal POS Ödeme Dekontu"));
    pdf.addTable({QStringLiteral("Bilgi"), QStringLiteral("Değer")},
                 {{QStringLiteral("İşlem No"), s.toString(0)},
                  {QStringLiteral("Tarih"),
                   SqlDialect::toDateTime(s.value(1)).toString(u"dd.MM.yyyy HH:mm")},
                  {QStringLiteral("Cari"), s.toString(7) + QStringLiteral(" ") + s.toString(8)},
                  {QStringLiteral("Kart Sahibi"), s.toString(4)},
                  {QStringLiteral("Kart No"), s.toString(3)},
                  {QStringLiteral("Taksit"), s.toString(6)},
                  {QStringLiteral("Onay Kodu"), s.toString(5)},
                  {QStringLiteral("Tutar"), Money::text(s.toDouble(2))}});
    pdf.addLine(QStringLiteral("Ödemeniz için teşekkür ederiz."));
    return a.stream(pdf.render());
}

WireCodec::Result AccountMethods::StokHareketVer(MethodContext& ctx, const CallArgs& a)
{
    return records(ctx, a, movementSelect, {a.integer(0), a.integer(1), a.integer(1)}, true);
}

// The balance as the payment page shows it; empty for an unknown account.
WireCodec::Result AccountMethods::CariDurumVer(MethodContext& ctx, const CallArgs& a)
{
    const int carino = a.integer(0);
    if (!AccountLookup::exists(ctx.db, carino))
        return a.result(WireValue::string(QString()));
    return a.result(WireValue::string(Money::text(AccountLookup::balance(ctx.db, carino))));
}

WireCodec::Result AccountMethods::CariVadeGunGecmismiBul(MethodContext& ctx, const CallArgs& a)
{
    const auto [amount, days] = overdue(ctx.db, a.integer(0));
    if (amount <= 0)
        return a.result(WireValue::string(QString()));
    return a.result(WireValue::string(
        QStringLiteral("Vadesi geçmiş borcunuz %1 (en eskisi %2 gündür ödenmedi). "
                       "Lütfen ödemenizi yapınız.")
            .arg(Money::text(amount))
            .arg(days)));
}
