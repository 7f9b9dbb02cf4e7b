#include "SalesmanMethods.h"

#include "AccountLookup.h"
#include "Database.h"
#include "DayNumber.h"
#include "JsonRecordWriter.h"
#include "OrderSql.h"
#include "OrderStatus.h"
#include "QueryTable.h"
#include "ReportBuilder.h"
#include "TTusSonuclari.h"
#include "TextFold.h"

namespace {

QString accountSelect()
{
    const QString balance = QStringLiteral(
        "(SELECT COALESCE(SUM(h.BORC - h.ALACAK), 0) FROM CARIHAREKET h WHERE h.CARINO = c.CARINO)");
    const QString orders = QStringLiteral(
        "(SELECT COUNT(*) FROM SIPARIS o WHERE o.CARINO = c.CARINO AND o.DURUM = %1) AS %2");
    return QStringLiteral(
               "SELECT c.CARIKOD, c.CARIADI, sa.ADI AS SATICISI, %1 AS TLBAKIYE,"
               " CASE WHEN %1 > 0.005 THEN '(B)' WHEN %1 < -0.005 THEN '(A)' ELSE '' END AS DURUM,"
               " (SELECT COUNT(*) FROM SEPET p WHERE p.CARINO = c.CARINO) AS SEPET, %2, %3, %4,"
               " %5, %6, %7, c.CARINO, c.OZELKOD, c.KOD1, '' AS KOD2, '' AS KOD3, '' AS KOD4,"
               " '' AS KOD5, c.TEL1, c.TEL2, c.ILCE, c.IL, c.GSM, c.YETKILI, c.IND1 AS INDIRIM,"
               " c.VADE, c.VADE AS VADEKONTROLGUN, 1 AS VADEKONTROLAY, c.VERGIDAIRESI,"
               " c.VERGINO, c.ADRES1, c.ADRES2, c.ANAGRUP, c.ALTGRUP, c.FAX1, c.FAX2, c.EMAIL"
               " FROM CARI c LEFT JOIN SATICI sa ON sa.SATICINO = c.SATICINO WHERE ")
        .arg(balance, orders.arg(OrderStatus::Alindi).arg(QStringLiteral("ALINDI")),
             orders.arg(OrderStatus::Onaylandi).arg(QStringLiteral("ONAYLANDI")),
             orders.arg(OrderStatus::Goruldu).arg(QStringLiteral("GORULDU")),
             orders.arg(OrderStatus::Hazirlandi).arg(QStringLiteral("HAZIRLANDI")),
             orders.arg(OrderStatus::ParcaliHazirlandi).arg(QStringLiteral("PARCALIHAZIRLANDI")),
             orders.arg(OrderStatus::SevkEdildi).arg(QStringLiteral("SEVKEDILDI")));
}

// DURUM of account lists and order headers is a text (balance side, order state).
WireCodec::Result records(MethodContext& ctx, const CallArgs& a, const QString& sql,
                          const QVariantList& binds)
{
    return a.result(WireValue::recordSet(
        QueryTable::run(ctx.db, sql, binds, OrderSql::headerTextColumns())));
}

/// The session user's account scope, bound twice for AccountLookup::scopeCondition.
QVariantList scopeBinds(MethodContext& ctx, const CallArgs& a)
{
    const int scope = AccountLookup::salesmanScope(ctx.db, a.session(0).Sirano());
    return {scope, scope};
}

/// The report's date range as bound values: from the first day to the end of the second.
QVariantList dateRange(const CallArgs& a)
{
    return {SqlDialect::dateText(DayNumber::toDate(a.real(1))),
            SqlDialect::dateText(DayNumber::toDate(a.real(2)).addDays(1))};
}

QString escapeLike(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'%' || c == u'_' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out;
}

} // namespace

void SalesmanMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("CariAra"), &CariAra);
    map.insert(QStringLiteral("CariSepetVer"), &CariSepetVer);
    map.insert(QStringLiteral("SepetSayisi"), &SepetSayisi);
    map.insert(QStringLiteral("TusSonuclariVer"), &TusSonuclariVer);
    map.insert(QStringLiteral("RaporGetir"), &RaporGetir);
    map.insert(QStringLiteral("RaporAlinanSiparisler"), &RaporAlinanSiparisler);
    map.insert(QStringLiteral("RaporEnCokSatilanStoklar"), &RaporEnCokSatilanStoklar);
}

// Searches code, name, district and city of the accounts the user may see; an empty text
// lists them all.
WireCodec::Result SalesmanMethods::CariAra(MethodContext& ctx, const CallArgs& a)
{
    const QString pattern = u'%' + escapeLike(TextFold::fold(a.text(1).trimmed())) + u'%';
    return records(ctx, a,
                   accountSelect() + AccountLookup::scopeCondition() +
                       QStringLiteral(" AND c.ARAMA LIKE ? ESCAPE '\\' ORDER BY c.CARIADI"),
                   scopeBinds(ctx, a) << pattern);
}

// 1: accounts with lines in the cart; 2 to 7: accounts with orders in state n − 1.
WireCodec::Result SalesmanMethods::CariSepetVer(MethodContext& ctx, const CallArgs& a)
{
    const int n = a.integer(1);
    return records(ctx, a,
                   accountSelect() + AccountLookup::scopeCondition() +
                       QStringLiteral(" AND ((? = 1 AND EXISTS (SELECT 1 FROM SEPET p WHERE "
                                      "p.CARINO = c.CARINO)) OR EXISTS (SELECT 1 FROM SIPARIS o "
                                      "WHERE o.CARINO = c.CARINO AND o.DURUM = ?)) "
                                      "ORDER BY c.CARIADI"),
                   scopeBinds(ctx, a) << n << (n >= 2 && n <= 7 ? n - 1 : -1));
}

WireCodec::Result SalesmanMethods::SepetSayisi(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(QStringLiteral("SELECT COUNT(DISTINCT p.CARINO) FROM SEPET p "
                                                 "JOIN CARI c ON c.CARINO = p.CARINO WHERE ") +
                                      AccountLookup::scopeCondition(),
                                  scopeBinds(ctx, a));
    return a.result(WireValue::int32(s.next() ? s.toInt(0) : 0));
}

WireCodec::Result SalesmanMethods::TusSonuclariVer(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(QStringLiteral("SELECT o.DURUM, COUNT(*) FROM SIPARIS o "
                                                 "JOIN CARI c ON c.CARINO = o.CARINO WHERE ") +
                                      AccountLookup::scopeCondition() +
                                      QStringLiteral(" GROUP BY o.DURUM"),
                                  scopeBinds(ctx, a));
    TTusSonuclari counts;
    while (s.next()) {
        const int n = s.toInt(1);
        switch (s.toInt(0)) {
        case OrderStatus::Alindi: counts.SetAlindi(n); break;
        case OrderStatus::Onaylandi: counts.SetOnaylandi(n); break;
        case OrderStatus::Goruldu: counts.SetGoruldu(n); break;
        case OrderStatus::ParcaliHazirlandi: counts.SetParcaliHazirlandi(n); break;
        case OrderStatus::Hazirlandi: counts.SetHazirlandi(n); break;
        case OrderStatus::SevkEdildi: counts.SetSevkEdildi(n); break;
        default: break;
        }
    }
    return a.result(WireValue::record(JsonRecordWriter::write(counts)));
}

WireCodec::Result SalesmanMethods::RaporGetir(MethodContext& ctx, const CallArgs& a)
{
    ReportBuilder::Request r;
    r.number = a.integer(0);
    r.userNo = a.integer(2);
    r.carino = a.integer(3);
    r.salesmanName = a.text(4);
    r.from = DayNumber::toDate(a.real(5));
    r.to = DayNumber::toDate(a.real(6));
    return a.stream(ReportBuilder(ctx.db).build(r));
}

WireCodec::Result SalesmanMethods::RaporAlinanSiparisler(MethodContext& ctx, const CallArgs& a)
{
    return records(ctx, a,
                   OrderSql::headerSelect() + QStringLiteral("WHERE o.TARIH >= ? AND o.TARIH < ? AND ") +
                       AccountLookup::scopeCondition() +
                       QStringLiteral(" ORDER BY sa.ADI, o.TARIH, o.IDNO"),
                   dateRange(a) + scopeBinds(ctx, a));
}

WireCodec::Result SalesmanMethods::RaporEnCokSatilanStoklar(MethodContext& ctx, const CallArgs& a)
{
    return records(
        ctx, a,
        QStringLiteral("SELECT s.BARKOD, s.FINISHKOD AS KOD, s.ADI, s.ANAGRUP AS DEPARTMAN,"
                       " SUM(l.MIKTAR) AS MIKTAR, SUM(l.NETTUTAR) AS NETTUTAR,"
                       " SUM(l.VERGITUTARI) AS TLVERGI, SUM(l.TUTAR) AS TUTAR"
                       " FROM SIPARIS_SATIR l JOIN SIPARIS o ON o.IDNO = l.IDNO"
                       " JOIN CARI c ON c.CARINO = o.CARINO JOIN STOK s ON s.STOKNO = l.STOKNO"
                       " WHERE o.TARIH >= ? AND o.TARIH < ? AND ") +
            AccountLookup::scopeCondition() +
            QStringLiteral(" GROUP BY s.STOKNO, s.BARKOD, s.FINISHKOD, s.ADI, s.ANAGRUP"
                           " ORDER BY SUM(l.MIKTAR) DESC, s.STOKNO"),
        dateRange(a) + scopeBinds(ctx, a));
}
