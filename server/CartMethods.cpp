#include "CartMethods.h"

#include "CartLine.h"
#include "Database.h"
#include "DayNumber.h"
#include "QueryTable.h"
#include "ServerError.h"

#include <QDateTime>

namespace {

const QString cartSelect = QStringLiteral(
    "SELECT p.SIRANO, 0 AS SIPARISNO, p.CARINO, p.TARIH, 0 AS AKTAR, p.STOKNO, p.SEC,"
    " p.TARIH AS VERILISTARIHI, p.BARKOD, s.FINISHKOD, p.STOKADI, p.MIKTAR, p.BIRIMFIYAT,"
    " p.KDV, u.ADI AS VEREN, s.DURUM, s.OEMNO, p.IND1 AS INDIRIMORANI1,"
    " p.IND2 AS INDIRIMORANI2, p.IND3 AS INDIRIMORANI3, p.IND4 AS INDIRIMORANI4,"
    " 'TL' AS KUR, 1.0 AS KURTL, p.VERENID AS VERENIDNO, 0 AS TESLIMID, 0 AS KARGOID,"
    " '' AS ACIKLAMA, p.SIRANO AS IDNO, p.VERENID AS VERENSIRANO, c.CARIKOD, c.CARIADI,"
    " s.OEM1, s.OEM2, s.OEM3, s.OEM4, p.STOKNO AS STOK_STOKNO, s.URETICIKODU, s.DIGERADI,"
    " s.DPKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.OZELKOD, s.PKOD, s.KALAN"
    " FROM SEPET p JOIN STOK s ON s.STOKNO = p.STOKNO JOIN CARI c ON c.CARINO = p.CARINO"
    " LEFT JOIN KULLANICI u ON u.SIRANO = p.VERENID WHERE p.CARINO = ? ORDER BY p.SIRANO");

/// Adds the amounts the server computes for every cart line: gross, discount, net, VAT,
/// net unit price, the discount text, and the time the line was put in.
void appendAmounts(DataTable& t)
{
    const auto& qty = t.column(t.indexOf(QStringLiteral("MIKTAR")));
    const auto& price = t.column(t.indexOf(QStringLiteral("BIRIMFIYAT")));
    const auto& vat = t.column(t.indexOf(QStringLiteral("KDV")));
    const auto& when = t.column(t.indexOf(QStringLiteral("VERILISTARIHI")));
    const int rate1 = t.indexOf(QStringLiteral("INDIRIMORANI1"));
    DataColumn gross(QStringLiteral("TUTAR"), FieldType::Float);
    DataColumn discount(QStringLiteral("INDIRIMTUTAR"), FieldType::Float);
    DataColumn net(QStringLiteral("NETTUTAR"), FieldType::Float);
    DataColumn tax(QStringLiteral("VERGITUTARI"), FieldType::Float);
    DataColumn netUnit(QStringLiteral("NETBIRIMFIYAT"), FieldType::Float);
    DataColumn text(QStringLiteral("INDIRIMYAZI"), FieldType::String);
    DataColumn time(QStringLiteral("SAAT"), FieldType::String);
    for (int r = 0; r < t.rowCount(); ++r) {
        PriceMath::Rates rates;
        for (int i = 0; i < 4; ++i)
            rates[i] = t.column(rate1 + i).doubleAt(r);
        const LineAmounts a =
            PriceMath::line(qty.doubleAt(r), price.doubleAt(r), rates, vat.doubleAt(r));
        gross.appendDouble(a.gross);
        discount.appendDouble(a.discount);
        net.appendDouble(a.net);
        tax.appendDouble(a.vat);
        netUnit.appendDouble(a.netUnit);
        text.appendBytes(a.discountText.toUtf8());
        time.appendBytes(DayNumber::toDateTime(when.doubleAt(r)).toString(u"HH:mm").toUtf8());
    }
    for (auto* c : {&gross, &discount, &net, &tax, &netUnit, &text, &time})
        t.addColumn(std::move(*c));
}

QString now()
{
    return SqlDialect::dateTimeText(QDateTime::currentDateTime());
}

void logRemoval(Database& db, int carino, int line, int userNo, const QString& note)
{
    db.exec(QStringLiteral("INSERT INTO SEPET_SILINEN (CARINO, SEPETSIRANO, KULLANICINO, "
                           "ACIKLAMA, TARIH) VALUES (?, ?, ?, ?, ?)"),
            {carino, line, userNo, note.left(200), now()});
}

} // namespace

void CartMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("SepetVer2"), &SepetVer2);
    map.insert(QStringLiteral("SepetEkle2"), &SepetEkle2);
    map.insert(QStringLiteral("SepetGuncelle2"), &SepetGuncelle2);
    map.insert(QStringLiteral("SepetSatirSil"), &SepetSatirSil);
    map.insert(QStringLiteral("SepetHepsiniSil"), &SepetHepsiniSil);
    map.insert(QStringLiteral("SepetSecimGuncelle"), &SepetSecimGuncelle);
}

WireCodec::Result CartMethods::SepetVer2(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(cartSelect, {a.integer(0)});
    DataTable t = QueryTable::read(s);
    appendAmounts(t);
    return a.result(WireValue::dataPacket(std::move(t)));
}

// 1 when the line was added (or, for an item already in the cart, its quantity raised);
// 0 when the call was not acceptable.
WireCodec::Result CartMethods::SepetEkle2(MethodContext& ctx, const CallArgs& a)
{
    UserInfo user;
    auto line = CartLine::fromCall(ctx.db, a, user);
    if (!line || (!user.isSalesman() && !line->applyServerPrice(ctx.db)))
        return a.result(WireValue::int32(0));
    int added = 0;
    ctx.db.writeTransaction([&] {
        SqlStatement stock = ctx.db.query(
            QStringLiteral("SELECT BARKOD, ADI, KDV, KAMPANYA FROM STOK WHERE STOKNO = ?"),
            {line->stokno});
        if (!stock.next())
            return;
        const QVariantList item{stock.value(0), stock.value(1), stock.value(2), stock.value(3)};
        const int merged = ctx.db.exec(
            QStringLiteral("UPDATE SEPET SET MIKTAR = MIKTAR + ? WHERE CARINO = ? AND STOKNO = ?"),
            {line->quantity, line->carino, line->stokno});
        if (merged == 0) {
            ctx.db.exec(QStringLiteral(
                            "INSERT INTO SEPET (CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, "
                            "BIRIMFIYAT, IND1, IND2, IND3, IND4, VERENID, KAMPANYA, SEC, TARIH) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?)"),
                        {line->carino, line->stokno, item[0], item[1], line->quantity, item[2],
                         line->price, line->rates[0], line->rates[1], line->rates[2],
                         line->rates[3], user.number, item[3], now()});
        }
        added = 1;
    });
    return a.result(WireValue::int32(added));
}

// Finds the line by its number alone (the client sends 0 as stokno); 1 when changed.
WireCodec::Result CartMethods::SepetGuncelle2(MethodContext& ctx, const CallArgs& a)
{
    UserInfo user;
    auto line = CartLine::fromCall(ctx.db, a, user);
    if (!line)
        return a.result(WireValue::int32(0));
    const int sirano = a.integer(10);
    int changed = 0;
    if (user.isSalesman()) {
        changed = ctx.db.exec(QStringLiteral("UPDATE SEPET SET MIKTAR = ?, BIRIMFIYAT = ?, "
                                             "IND1 = ?, IND2 = ?, IND3 = ?, IND4 = ? "
                                             "WHERE SIRANO = ? AND CARINO = ?"),
                              {line->quantity, line->price, line->rates[0], line->rates[1],
                               line->rates[2], line->rates[3], sirano, line->carino});
    } else {
        changed = ctx.db.exec(
            QStringLiteral("UPDATE SEPET SET MIKTAR = ? WHERE SIRANO = ? AND CARINO = ?"),
            {line->quantity, sirano, line->carino});
    }
    return a.result(WireValue::int32(changed == 1 ? 1 : 0));
}

// Deletes one line of the session's account and keeps the note in the deletion log.
WireCodec::Result CartMethods::SepetSatirSil(MethodContext& ctx, const CallArgs& a)
{
    const TSonucBilgisi session = a.session(0);
    int removed = 0;
    ctx.db.writeTransaction([&] {
        removed = ctx.db.exec(QStringLiteral("DELETE FROM SEPET WHERE SIRANO = ? AND CARINO = ?"),
                              {a.integer(1), session.CARINO()});
        if (removed > 0)
            logRemoval(ctx.db, session.CARINO(), a.integer(1), session.Sirano(), a.text(2));
    });
    return a.result(WireValue::int32(removed));
}

WireCodec::Result CartMethods::SepetHepsiniSil(MethodContext& ctx, const CallArgs& a)
{
    const TSonucBilgisi session = a.session(0);
    int removed = 0;
    ctx.db.writeTransaction([&] {
        removed = ctx.db.exec(QStringLiteral("DELETE FROM SEPET WHERE CARINO = ?"),
                              {session.CARINO()});
        if (removed > 0)
            logRemoval(ctx.db, session.CARINO(), 0, session.Sirano(),
                       QStringLiteral("Tüm sepet silindi (%1 satır)").arg(removed));
    });
    return a.result(WireValue::int32(removed));
}

WireCodec::Result CartMethods::SepetSecimGuncelle(MethodContext& ctx, const CallArgs& a)
{
    const int mark = a.integer(1) == 1 ? 1 : 0;
    if (ctx.db.exec(QStringLiteral("UPDATE SEPET SET SEC = ? WHERE SIRANO = ?"),
                    {mark, a.integer(0)}) == 0)
        throw ServerError(QStringLiteral("Sepet satırı bulunamadı: %1").arg(a.integer(0)));
    return a.none();
}
