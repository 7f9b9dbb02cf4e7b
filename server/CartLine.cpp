#include "CartLine.h"

#include "CallArgs.h"
#include "Database.h"

#include <cmath>

namespace {

bool acceptableRate(double r)
{
    return std::isfinite(r) && r >= 0 && r <= 100;
}

} // namespace

std::optional<CartLine> CartLine::fromCall(Database& db, const CallArgs& a, UserInfo& user)
{
    const auto u = AccountLookup::user(db, a.session(0).Sirano());
    if (!u)
        return std::nullopt;
    user = *u;
    CartLine line;
    line.carino = a.integer(1);
    line.stokno = a.integer(2);
    line.quantity = a.real(5);
    line.price = a.real(7);
    line.rates = {a.real(8), a.real(11), a.real(12), a.real(13)};
    if (!user.isSalesman() && user.carino != line.carino)
        return std::nullopt;
    if (!std::isfinite(line.quantity) || line.quantity < 1 || line.quantity > 100000)
        return std::nullopt;
    if (!std::isfinite(line.price) || line.price < 0)
        return std::nullopt;
    for (double r : line.rates) {
        if (!acceptableRate(r))
            return std::nullopt;
    }
    if (!AccountLookup::exists(db, line.carino))
        return std::nullopt;
    return line;
}

bool CartLine::applyServerPrice(Database& db)
{
    SqlStatement s = db.query(QStringLiteral("SELECT LISTEFIYAT, KAMPFIYAT, KAMPANYA "
                                             "FROM STOK WHERE STOKNO = ?"),
                              {stokno});
    if (!s.next())
        return false;
    const bool campaign = s.toInt(2) == 1 && s.toDouble(1) > 0;
    price = campaign ? s.toDouble(1) : s.toDouble(0);
    rates = campaign ? PriceMath::Rates{0, 0, 0, 0} : AccountLookup::rates(db, carino);
    return true;
}
