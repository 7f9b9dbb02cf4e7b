#include "OrderMethods.h"

#include "AccountLookup.h"
#include "Database.h"
#include "JsonRecordWriter.h"
#include "OrderSql.h"
#include "OrderStatus.h"
#include "QueryTable.h"
#include "TSiparisDipAyrinti.h"

#include <QDateTime>

namespace {

WireCodec::Result tableResult(MethodContext& ctx, const CallArgs& a, const QString& sql,
                              const QVariantList& binds, const QStringList& textColumns = {})
{
    return a.result(WireValue::recordSet(QueryTable::run(ctx.db, sql, binds, textColumns)));
}

bool exists(Database& db, const QString& sql, const QVariantList& binds)
{
    SqlStatement s = db.query(sql, binds);
    return s.next();
}

/// The choices of an order must name a delivery type, a cargo kind and one of its carriers.
bool validChoices(Database& db, int teslim, int kargo, int carrier)
{
    return exists(db, QStringLiteral("SELECT 1 FROM TESLIM WHERE ID = ?"), {teslim}) &&
           exists(db, QStringLiteral("SELECT 1 FROM KARGOFIRMA WHERE SIRANO = ? AND KARGOID = ?"),
                  {carrier, kargo});
}

/// Moves the marked lines of the account's cart into a new order; false without any.
bool saveOrder(Database& db, int carino, int userNo, const QVariantList& header)
{
    SqlStatement marked = db.query(
        QStringLiteral("SELECT p.SIRANO, p.STOKNO, p.BARKOD, p.STOKADI, p.KDV, p.MIKTAR, "
                       "p.BIRIMFIYAT, p.IND1, p.IND2, p.IND3, p.IND4, p.TARIH FROM SEPET p "
                       "WHERE p.CARINO = ? AND p.SEC = 1 ORDER BY p.SIRANO"),
        {carino});
    QList<QVariantList> lines;
    while (marked.next()) {
        QVariantList row;
        for (int i = 0; i < 12; ++i)
            row << marked.value(i);
        lines << row;
    }
    if (lines.isEmpty())
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    SqlStatement order = db.query(
        QStringLiteral("INSERT INTO SIPARIS (CARINO, TARIH, SAAT, TESLIMID, KARGOID, KARGOFIRMAID, "
                       "VERENID, DURUM, ACIKLAMA, ALANNOTU, SATICINOTU) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '', '') RETURNING IDNO"),
        QVariantList{carino, SqlDialect::dateTimeText(now), now.toString(u"HH:mm")} +
            header.mid(0, 3) +
            QVariantList{userNo, int(OrderStatus::Alindi), header.value(3)});
    order.next();
    const int idno = order.toInt(0);
    int position = 0;
    for (const QVariantList& l : lines) {
        OrderSql::insertLine(db, idno, ++position, {l[1], l[2], l[3], l[4]}, l[5].toDouble(), 0,
                             l[6].toDouble(),
                             {l[7].toDouble(), l[8].toDouble(), l[9].toDouble(), l[10].toDouble()},
                             l[11].toString());
        db.exec(QStringLiteral("DELETE FROM SEPET WHERE SIRANO = ?"), {l[0]});
    }
    return true;
}

} // namespace

void OrderMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("TeslimVer"), &TeslimVer);
    map.insert(QStringLiteral("KargoVer"), &KargoVer);
    map.insert(QStringLiteral("KargolarVer"), &KargolarVer);
    map.insert(QStringLiteral("SiparisKaydet"), &SiparisKaydet);
    map.insert(QStringLiteral("OncekiSiparisler"), &OncekiSiparisler);
    map.insert(QStringLiteral("SiparisAyrintisi2"), &SiparisAyrintisi2);
    map.insert(QStringLiteral("SiparisAytintisiDip"), &SiparisAytintisiDip);
    map.insert(QStringLiteral("TumSiparislerVer"), &TumSiparislerVer);
}

// Read by position: column 0 the id, column 1 the name.
WireCodec::Result OrderMethods::TeslimVer(MethodContext& ctx, const CallArgs& a)
{
    return tableResult(ctx, a, QStringLiteral("SELECT ID, ADI FROM TESLIM ORDER BY ID"), {});
}

WireCodec::Result OrderMethods::KargoVer(MethodContext& ctx, const CallArgs& a)
{
    return tableResult(ctx, a, QStringLiteral("SELECT ID, ADI FROM KARGO ORDER BY ID"), {});
}

WireCodec::Result OrderMethods::KargolarVer(MethodContext& ctx, const CallArgs& a)
{
    return tableResult(ctx, a,
                       QStringLiteral("SELECT SIRANO, ADI, UYARI, KARGOID FROM KARGOFIRMA "
                                      "WHERE KARGOID = ? ORDER BY ADI"),
                       {a.integer(0)});
}

// Turns the marked cart lines of the account into one order, in one transaction.
WireCodec::Result OrderMethods::SiparisKaydet(MethodContext& ctx, const CallArgs& a)
{
    const TSonucBilgisi session = a.session(0);
    const int carino = a.integer(1);
    const auto user = AccountLookup::user(ctx.db, session.Sirano());
    bool saved = false;
    if (user && (user->isSalesman() || user->carino == carino) &&
        validChoices(ctx.db, a.integer(2), a.integer(3), a.integer(6))) {
        // header: TESLIMID, KARGOID, KARGOFIRMAID, ACIKLAMA
        const QVariantList header{a.integer(2), a.integer(3), a.integer(6), a.text(4)};
        ctx.db.writeTransaction([&] { saved = saveOrder(ctx.db, carino, user->number, header); });
    }
    return a.result(WireValue::boolean(saved));
}

WireCodec::Result OrderMethods::OncekiSiparisler(MethodContext& ctx, const CallArgs& a)
{
    return tableResult(ctx, a,
                       OrderSql::headerSelect() +
                           QStringLiteral("WHERE o.CARINO = ? ORDER BY o.TARIH DESC, o.IDNO DESC"),
                       {a.integer(0)}, OrderSql::headerTextColumns());
}

WireCodec::Result OrderMethods::SiparisAyrintisi2(MethodContext& ctx, const CallArgs& a)
{
    return tableResult(ctx, a,
                       OrderSql::lineSelect() +
                           QStringLiteral("WHERE l.IDNO = ? AND o.CARINO = ? ORDER BY l.SIRANO"),
                       {a.integer(1), a.integer(0)});
}

// Found by the order number alone: the client always sends 0 as the account.
WireCodec::Result OrderMethods::SiparisAytintisiDip(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(
        QStringLiteral("SELECT o.ACIKLAMA, o.DURUM, u.ADI, f.ADI, o.ALANNOTU, t.ADI, k.ADI, "
                       "o.SATICINOTU FROM SIPARIS o LEFT JOIN KULLANICI u ON u.SIRANO = o.VERENID "
                       "LEFT JOIN KARGOFIRMA f ON f.SIRANO = o.KARGOFIRMAID "
                       "LEFT JOIN TESLIM t ON t.ID = o.TESLIMID "
                       "LEFT JOIN KARGO k ON k.ID = o.KARGOID WHERE o.IDNO = ?"),
        {a.integer(1)});
    TSiparisDipAyrinti dip;
    if (s.next()) {
        dip.SetSizinMesaj(s.toString(0));
        dip.SetDurumu(OrderStatus::name(s.toInt(1)));
        dip.SetVeren(s.toString(2));
        dip.SetKargo(s.toString(3));
        dip.SetBizimMesaj(s.toString(4));
        dip.SetTeslimCinsi(s.toString(5));
        dip.SetKargoCinsi(s.toString(6));
        dip.SetSaticiNotu(s.toString(7));
    }
    return a.result(WireValue::record(JsonRecordWriter::write(dip)));
}

// All order lines of the account, or those of one stock item (stokno > 0).
WireCodec::Result OrderMethods::TumSiparislerVer(MethodContext& ctx, const CallArgs& a)
{
    const int stokno = a.integer(1);
    return tableResult(ctx, a,
                       OrderSql::lineSelect() +
                           QStringLiteral("WHERE o.CARINO = ? AND (? = 0 OR l.STOKNO = ?) "
                                          "ORDER BY o.TARIH DESC, l.SIRANO"),
                       {a.integer(0), stokno, stokno});
}
