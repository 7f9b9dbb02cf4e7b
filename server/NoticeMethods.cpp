#include "NoticeMethods.h"

#include "Database.h"
#include "JsonRecordWriter.h"
#include "QueryTable.h"
#include "TAcilisEkranlariki.h"

namespace {

TAcilisEkran screen(SqlStatement& s)
{
    TAcilisEkran e;
    e.SetSiraNo(s.toInt(0));
    e.SetBaslik(s.toString(1));
    e.SetArama(s.toString(2));
    e.SetResim(QString::fromLatin1(s.value(3).toByteArray().toHex().toUpper()));
    return e;
}

WireCodec::Result banner(MethodContext& ctx, const CallArgs& a, int number)
{
    SqlStatement s = ctx.db.query(QStringLiteral("SELECT VERI FROM BANNER WHERE NO = ?"), {number});
    return a.stream(s.next() ? s.value(0).toByteArray() : QByteArray());
}

const QString screenSelect =
    QStringLiteral("SELECT SIRANO, BASLIK, ARAMA, RESIM FROM DUYURU ");

} // namespace

void NoticeMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("AcilisEkranlarVer2"), &AcilisEkranlarVer2);
    map.insert(QStringLiteral("KayanYaziGetir"), &KayanYaziGetir);
    map.insert(QStringLiteral("BannerResimVer"), &BannerResimVer);
    map.insert(QStringLiteral("BannerResimVer2"), &BannerResimVer2);
    map.insert(QStringLiteral("BannerResimVer3"), &BannerResimVer3);
    map.insert(QStringLiteral("BalonGetir"), &BalonGetir);
    map.insert(QStringLiteral("AcilisReklamAdet"), &AcilisReklamAdet);
    map.insert(QStringLiteral("AcilisREklamVer"), &AcilisREklamVer);
}

WireCodec::Result NoticeMethods::AcilisEkranlarVer2(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(screenSelect + QStringLiteral("ORDER BY SIRANO"));
    std::vector<TAcilisEkran> screens;
    while (s.next())
        screens.push_back(screen(s));
    TAcilisEkranlariki all;
    all.SetEkranlar(screens);
    return a.result(WireValue::record(JsonRecordWriter::write(all)));
}

WireCodec::Result NoticeMethods::KayanYaziGetir(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s =
        ctx.db.query(QStringLiteral("SELECT DEGER FROM AYAR WHERE ANAHTAR = 'KAYANYAZI'"));
    return a.result(WireValue::string(s.next() ? s.toString(0) : QString()));
}

WireCodec::Result NoticeMethods::BannerResimVer(MethodContext& ctx, const CallArgs& a)
{
    return banner(ctx, a, 1);
}

WireCodec::Result NoticeMethods::BannerResimVer2(MethodContext& ctx, const CallArgs& a)
{
    return banner(ctx, a, 2);
}

WireCodec::Result NoticeMethods::BannerResimVer3(MethodContext& ctx, const CallArgs& a)
{
    return banner(ctx, a, 3);
}

// One row, read by position: cart lines, new products, campaign products, announcements
// (integers) and open order balances (a number).
WireCodec::Result NoticeMethods::BalonGetir(MethodContext& ctx, const CallArgs& a)
{
    const int carino = a.session(0).CARINO();
    return a.result(WireValue::recordSet(QueryTable::run(
        ctx.db,
        QStringLiteral("SELECT (SELECT COUNT(*) FROM SEPET WHERE CARINO = ?) AS SEPET,"
                       " (SELECT COUNT(*) FROM STOK WHERE YENI = 1) AS YENI,"
                       " (SELECT COUNT(*) FROM STOK WHERE KAMPANYA = 1) AS KAMPANYA,"
                       " (SELECT COUNT(*) FROM DUYURU) AS DUYURU,"
                       " (SELECT COUNT(*) FROM SIPARIS_SATIR l JOIN SIPARIS o ON o.IDNO = l.IDNO"
                       " WHERE o.CARINO = ? AND l.MIKTAR > l.TESLIMEDILEN) AS BAKIYELER"),
        {carino, carino})));
}

WireCodec::Result NoticeMethods::AcilisReklamAdet(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(QStringLiteral("SELECT COUNT(*) FROM DUYURU WHERE ACILIS = 1"));
    return a.result(WireValue::int32(s.next() ? s.toInt(0) : 0));
}

// The advertisement at position `sira` counted from 0; an empty screen past the end.
WireCodec::Result NoticeMethods::AcilisREklamVer(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(screenSelect + QStringLiteral("WHERE ACILIS = 1 ORDER BY SIRANO"));
    TAcilisEkran found;
    for (int i = 0; s.next(); ++i) {
        if (i == a.integer(0)) {
            found = screen(s);
            break;
        }
    }
    return a.result(WireValue::record(JsonRecordWriter::write(found)));
}
