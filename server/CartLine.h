#pragma once

#include "AccountLookup.h"
#include "PriceMath.h"

#include <optional>

class CallArgs;
class Database;

/// A cart line as SepetEkle2 and SepetGuncelle2 send it, checked and priced by the server.
/// Salesmen may set the unit price and the rates; a dealer's line always carries the
/// server's own price (the campaign price, or the list price with the account's rates).
struct CartLine
{
    int carino = 0;
    int stokno = 0;
    double quantity = 0;
    double price = 0;
    PriceMath::Rates rates{0, 0, 0, 0};

    /// Reads the parameters shared by both methods; nothing when they are not acceptable
    /// (unknown user or account, a dealer writing to another account, a quantity outside
    /// 1 to 100000, a negative price or a rate outside 0 to 100).
    static std::optional<CartLine> fromCall(Database& db, const CallArgs& a, UserInfo& user);
    /// Replaces price and rates by the server's for stock `stokno` of this account.
    bool applyServerPrice(Database& db);
};
