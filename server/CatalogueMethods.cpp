#include "CatalogueMethods.h"

#include "AccountLookup.h"
#include "Database.h"
#include "StockTable.h"
#include "TextFold.h"

namespace {

// More words than this narrow the result no further in practice.
constexpr int MaxSearchWords = 4;

/// Stock of a flag (YENI or KAMPANYA) with the account's prices.
DataTable flaggedStock(Database& db, const QString& flag, int carino, bool showQuantities)
{
    StockTable table(AccountLookup::rates(db, carino), showQuantities);
    table.run(db, QStringLiteral("SELECT %1 FROM STOK s WHERE s.%2 = 1 ORDER BY s.STOKNO")
                      .arg(StockTable::selectList(), flag));
    return table.take();
}

} // namespace

void CatalogueMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("StokAraGetir"), &StokAraGetir);
    map.insert(QStringLiteral("YenilerVer2"), &YenilerVer2);
    map.insert(QStringLiteral("KampanyaliVer2"), &KampanyaliVer2);
    map.insert(QStringLiteral("ResimVer5"), &ResimVer5);
}

// Every word of the text must start one of the item's search words (codes, barcode, name,
// brand, model, OEM numbers); Turkish letters and punctuation do not matter.
WireCodec::Result CatalogueMethods::StokAraGetir(MethodContext& ctx, const CallArgs& a)
{
    const TSonucBilgisi session = a.session(1);
    const QStringList words = TextFold::searchWords(a.text(0)).mid(0, MaxSearchWords);
    StockTable table(AccountLookup::rates(ctx.db, session.CARINO()),
                     AccountLookup::seesQuantities(session.MusteriTipi()));
    if (!words.isEmpty()) {
        QString sql = QStringLiteral("SELECT %1 FROM STOK s WHERE ").arg(StockTable::selectList());
        QVariantList binds;
        for (int i = 0; i < words.size(); ++i) {
            if (i > 0)
                sql += QStringLiteral(" AND ");
            sql += QStringLiteral("s.STOKNO IN (SELECT k.STOKNO FROM STOK_KELIME k "
                                  "WHERE k.KELIME >= ? AND k.KELIME < ?)");
            binds << words[i] << TextFold::prefixEnd(words[i]);
        }
        table.run(ctx.db, sql + QStringLiteral(" ORDER BY s.STOKNO"), binds);
    }
    return a.result(WireValue::dataPacket(table.take()));
}

WireCodec::Result CatalogueMethods::YenilerVer2(MethodContext& ctx, const CallArgs& a)
{
    // The account's own users are dealers; quantities are for salesmen only.
    return a.result(WireValue::dataPacket(
        flaggedStock(ctx.db, QStringLiteral("YENI"), a.integer(0), false)));
}

WireCodec::Result CatalogueMethods::KampanyaliVer2(MethodContext& ctx, const CallArgs& a)
{
    const bool salesman = AccountLookup::seesQuantities(a.integer(1));
    return a.result(WireValue::dataPacket(
        flaggedStock(ctx.db, QStringLiteral("KAMPANYA"), a.integer(0), salesman)));
}

WireCodec::Result CatalogueMethods::ResimVer5(MethodContext& ctx, const CallArgs& a)
{
    SqlStatement s = ctx.db.query(QStringLiteral("SELECT r.VERI FROM STOK s JOIN RESIM r "
                                                 "ON r.RESIMNO = s.RESIMNO WHERE s.STOKNO = ?"),
                                  {a.integer(0)});
    return a.stream(s.next() ? s.value(0).toByteArray() : QByteArray());
}
