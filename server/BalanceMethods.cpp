#include "BalanceMethods.h"

#include "AccountLookup.h"
#include "Database.h"
#include "OrderSql.h"
#include "QueryTable.h"

#include <QDateTime>
#include <cmath>
#include <optional>

namespace {

/// The balance line named by the call (its line number and movement number), on an order
/// of the session's account, with its ordered and delivered quantities.
struct BalanceLine
{
    int sirano = 0;
    double ordered = 0;
    double delivered = 0;
};

std::optional<BalanceLine> findLine(Database& db, const CallArgs& a)
{
    const TSonucBilgisi session = a.session(0);
    SqlStatement s = db.query(
        QStringLiteral("SELECT l.SIRANO, l.MIKTAR, l.TESLIMEDILEN FROM SIPARIS_SATIR l "
                       "JOIN SIPARIS o ON o.IDNO = l.IDNO WHERE l.SIRANO = ? AND l.STOKHAR_NO = ? "
                       "AND o.CARINO = ? AND (? = 0 OR l.STOKNO = ?)"),
        {a.integer(2), a.integer(3), session.CARINO(), a.integer(1), a.integer(1)});
    if (!s.next())
        return std::nullopt;
    return BalanceLine{s.toInt(0), s.toDouble(1), s.toDouble(2)};
}

void logChange(Database& db, const CallArgs& a, int line, const char* what, double before,
               double after)
{
    db.exec(QStringLiteral("INSERT INTO BAKIYE_ISLEM (SATIRNO, KULLANICINO, ISLEM, ESKI, YENI, "
                           "TARIH) VALUES (?, ?, ?, ?, ?, ?)"),
            {line, a.session(0).Sirano(), QString::fromLatin1(what), before, after,
             SqlDialect::dateTimeText(QDateTime::currentDateTime())});
}

/// Sets the open balance of the line to `balance` (the ordered quantity becomes the
/// delivered quantity plus the balance) and reprices it; 1 when done.
int setBalance(Database& db, const CallArgs& a, double balance, const char* what)
{
    int done = 0;
    db.writeTransaction([&] {
        const auto line = findLine(db, a);
        if (!line)
            return;
        db.exec(QStringLiteral("UPDATE SIPARIS_SATIR SET MIKTAR = ? WHERE SIRANO = ?"),
                {line->delivered + balance, line->sirano});
        OrderSql::reprice(db, line->sirano);
        logChange(db, a, line->sirano, what, line->ordered - line->delivered, balance);
        done = 1;
    });
    return done;
}

} // namespace

void BalanceMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("BakiyelerVer2"), &BakiyelerVer2);
    map.insert(QStringLiteral("BakiyeDuzenle"), &BakiyeDuzenle);
    map.insert(QStringLiteral("BakiyeDegistir"), &BakiyeDegistir);
    map.insert(QStringLiteral("BakiyeFiyatDegistir"), &BakiyeFiyatDegistir);
}

WireCodec::Result BalanceMethods::BakiyelerVer2(MethodContext& ctx, const CallArgs& a)
{
    return a.result(WireValue::recordSet(QueryTable::run(
        ctx.db,
        OrderSql::lineSelect() + QStringLiteral("WHERE o.CARINO = ? AND l.MIKTAR > "
                                                "l.TESLIMEDILEN ORDER BY o.TARIH, l.SIRANO"),
        {a.integer(0)})));
}

// Deletes the balance: nothing more of the line will be delivered.
WireCodec::Result BalanceMethods::BakiyeDuzenle(MethodContext& ctx, const CallArgs& a)
{
    return a.result(WireValue::int32(setBalance(ctx.db, a, 0, "SIL")));
}

// The new balance arrives as both Adet and Bakiye.
WireCodec::Result BalanceMethods::BakiyeDegistir(MethodContext& ctx, const CallArgs& a)
{
    const double balance = a.real(5);
    if (!std::isfinite(balance) || balance < 1 || balance > 100000)
        return a.result(WireValue::int32(0));
    return a.result(WireValue::int32(setBalance(ctx.db, a, balance, "MIKTAR")));
}

// Only the sales manager (user type 2, as the server knows the user) changes prices.
WireCodec::Result BalanceMethods::BakiyeFiyatDegistir(MethodContext& ctx, const CallArgs& a)
{
    const auto user = AccountLookup::user(ctx.db, a.session(0).Sirano());
    const double price = a.real(7);
    const double rate = a.real(8);
    if (!user || user->type != 2 || !std::isfinite(price) || price < 0 || !std::isfinite(rate) ||
        rate < 0 || rate > 100)
        return a.result(WireValue::int32(0));
    int done = 0;
    ctx.db.writeTransaction([&] {
        const auto line = findLine(ctx.db, a);
        if (!line)
            return;
        ctx.db.exec(QStringLiteral("UPDATE SIPARIS_SATIR SET BIRIMFIYAT = ?, IND1 = ? "
                                   "WHERE SIRANO = ?"),
                    {price, rate, line->sirano});
        OrderSql::reprice(ctx.db, line->sirano);
        logChange(ctx.db, a, line->sirano, "FIYAT", 0, price);
        done = 1;
    });
    return a.result(WireValue::int32(done));
}
