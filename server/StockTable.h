#pragma once

#include "DataTable.h"
#include "PriceMath.h"

class SqlStatement;

/// Builds the stock lists (search, new products, campaign products) column by column with
/// the customer's prices: list price, campaign price, unit price before discounts, the
/// discount rates and their text, net and VAT-inclusive price.
class StockTable
{
public:
    /// The stock columns read from the database, in the order `read` expects them; select
    /// them from STOK aliased `s`.
    static QString selectList();

    StockTable(const PriceMath::Rates& customerRates, bool showQuantities);
    /// Appends every row of `statement` (selected with `selectList`).
    void read(SqlStatement& statement);
    DataTable take();

private:
    void addRow(SqlStatement& s);
    DataColumn& col(int i) { return m_table.column(i); }

    PriceMath::Rates m_rates;
    bool m_showQuantities;
    QByteArray m_rateText; // the customer's discount text, the same on every row
    DataTable m_table;
};
