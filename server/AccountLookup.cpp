#include "AccountLookup.h"

#include "Database.h"

PriceMath::Rates AccountLookup::rates(Database& db, int carino)
{
    SqlStatement s = db.query(
        QStringLiteral("SELECT IND1, IND2, IND3, IND4 FROM CARI WHERE CARINO = ?"), {carino});
    PriceMath::Rates r{0, 0, 0, 0};
    if (s.next()) {
        for (int i = 0; i < 4; ++i)
            r[i] = s.toDouble(i);
    }
    return r;
}

bool AccountLookup::exists(Database& db, int carino)
{
    SqlStatement s = db.query(QStringLiteral("SELECT 1 FROM CARI WHERE CARINO = ?"), {carino});
    return s.next();
}

double AccountLookup::balance(Database& db, int carino)
{
    SqlStatement s = db.query(QStringLiteral("SELECT COALESCE(SUM(BORC - ALACAK), 0) "
                                             "FROM CARIHAREKET WHERE CARINO = ?"),
                              {carino});
    return s.next() ? PriceMath::round2(s.toDouble(0)) : 0.0;
}

std::optional<UserInfo> AccountLookup::user(Database& db, int userNo)
{
    SqlStatement s = db.query(QStringLiteral("SELECT ADI, MUSTERITIPI, CARINO, SATICINO "
                                             "FROM KULLANICI WHERE SIRANO = ? AND AKTIF = 1"),
                              {userNo});
    if (!s.next())
        return std::nullopt;
    return UserInfo{userNo, s.toString(0), s.toInt(1), s.toInt(2), s.toInt(3)};
}

int AccountLookup::salesmanScope(Database& db, int userNo)
{
    const auto u = user(db, userNo);
    if (!u)
        return -1;
    if (u->type == 2)
        return 0;
    return u->type == 1 && u->salesmanNo > 0 ? u->salesmanNo : -1;
}
