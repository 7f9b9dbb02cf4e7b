#pragma once

#include "PriceMath.h"

#include <QString>
#include <QVariantList>
#include <optional>

class Database;

/// A user as the server holds it.
struct UserInfo
{
    int number = 0;
    QString name;
    int type = 0;       // 1, 2 salesmen; 3, 4 dealer users
    int carino = 0;     // the dealer user's own account
    int salesmanNo = 0;
    bool isSalesman() const { return type == 1 || type == 2; }
};

/// Small reads about customer accounts and users that several methods share.
class AccountLookup
{
public:
    /// The four discount rates of the account; all 0 for an unknown account.
    static PriceMath::Rates rates(Database& db, int carino);
    static bool exists(Database& db, int carino);
    /// The active user with this number, if any.
    static std::optional<UserInfo> user(Database& db, int userNo);
    /// Balance of the account (debit − credit of its statement).
    static double balance(Database& db, int carino);
    /// Whether a user of this kind is shown stock quantities (salesmen are, dealers not).
    static bool seesQuantities(int userType) { return userType == 1 || userType == 2; }
    /// Which accounts the user with this number may work on, looked up on the server (the
    /// session record's user type is the client's word): 0 all (sales manager, type 2),
    /// a salesman number (type 1: his own accounts), -1 none (dealer users).
    static int salesmanScope(Database& db, int userNo);
    /// Condition on a CARI alias `c` taking the scope twice as bound values.
    static QString scopeCondition() { return QStringLiteral("(? = 0 OR c.SATICINO = ?)"); }
};
