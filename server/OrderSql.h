#pragma once

#include "PriceMath.h"

#include <QString>
#include <QStringList>

class Database;

/// SQL shared by the order, balance and report methods.
class OrderSql
{
public:
    /// Order lines with their order, stock and account (aliases l, o, s, c); append the
    /// WHERE clause.
    static QString lineSelect();
    /// Order headers with their totals (aliases o, c, u, t, k, f); append the WHERE clause.
    static QString headerSelect();
    /// Columns of `headerSelect` that are texts although the name is a code elsewhere.
    static QStringList headerTextColumns() { return {QStringLiteral("DURUM")}; }
    /// Recomputes the stored amounts of order line `sirano` after a quantity or price change.
    static void reprice(Database& db, int sirano);
    /// Inserts one order line with its amounts.
    static void insertLine(Database& db, int idno, int position, const QVariantList& item,
                           double quantity, double delivered, double price,
                           const PriceMath::Rates& rates, const QString& cartTime);
};
