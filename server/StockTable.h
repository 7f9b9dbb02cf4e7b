#pragma once

#include "DataTable.h"
#include "PriceMath.h"

#include <QVariantList>
#include <vector>

class Database;
class SqlStatement;
class SqliteRows;

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
    /// Runs `sql` (selecting `selectList`) with `binds` and appends its rows; on SQLite the
    /// rows are read through SQLite's own interface.
    void run(Database& db, const QString& sql, const QVariantList& binds = {});
    /// Appends every row of `rows` (selected with `selectList`): the generic path and the
    /// SQLite one, with the same result.
    void read(SqlStatement& rows);
    void read(SqliteRows& rows);
    /// The table with its price columns.
    DataTable take();

private:
    template <class Rows>
    void readRows(Rows& rows);
    template <class Rows>
    void addRow(const Rows& row);
    void addPrices();
    DataColumn& col(int i) { return m_table.column(i); }

    PriceMath::Rates m_rates;
    bool m_showQuantities;
    QByteArray m_rateText; // the customer's discount text, the same on every row
    DataTable m_table;
    // Read per row; the price columns are worked out from them column by column.
    std::vector<double> m_listPrices;
    std::vector<double> m_campaignPrices;
    std::vector<bool> m_onCampaign;
};
