#include "StockTable.h"

#include "ColumnTypes.h"
#include "Database.h"
#include "SqlStatement.h"
#include "SqliteStatement.h"

#include <cmath>

namespace {

// Output columns; the first 18 are copied straight from the select list.
enum Out {
    DURUM, OEM1, OEM2, OEM3, BARKOD, FINISHKOD, ADI, OEM4, STOK_STOKNO, URETICIKODU,
    BARKOD_BARKODNO, DIGERADI, DPKOD, OEMNO, MARKA, MODEL, ANAGRUP, OZELKOD,
    KALAN, PKOD, KDV, ALINANSIPARIS, VERILENSIPARIS, RESIM, BIRIM, LISTEFIYAT1, KAMPFIYAT,
    FIYAT, Y, K, INDIRIMYAZI, NETFIYAT, KDVDAHIL, IND1, IND2, IND3, IND4, INDIRIM, ESKIFIYAT,
    OutCount
};

const char* const outNames[OutCount] = {
    "DURUM", "OEM1", "OEM2", "OEM3", "BARKOD", "FINISHKOD", "ADI", "OEM4", "STOK_STOKNO",
    "URETICIKODU", "BARKOD_BARKODNO", "DIGERADI", "DPKOD", "OEMNO", "MARKA", "MODEL",
    "ANAGRUP", "OZELKOD", "KALAN", "PKOD", "KDV", "ALINANSIPARIS", "VERILENSIPARIS", "RESIM",
    "BIRIM", "LISTEFIYAT1", "KAMPFIYAT", "FIYAT", "Y", "K", "INDIRIMYAZI", "NETFIYAT",
    "KDVDAHIL", "IND1", "IND2", "IND3", "IND4", "INDIRIM", "ESKIFIYAT"};

// Select-list positions after the copied columns.
enum In { InKalan = 18, InPkod, InKdv, InAlinan, InVerilen, InResim, InBirim, InListe,
          InKamp, InYeni, InKampanya };

} // namespace

QString StockTable::selectList()
{
    return QStringLiteral(
        "s.DURUM, s.OEM1, s.OEM2, s.OEM3, s.BARKOD, s.FINISHKOD, s.ADI, s.OEM4, s.STOKNO,"
        " s.URETICIKODU, s.BARKODNO, s.DIGERADI, s.DPKOD, s.OEMNO, s.MARKA, s.MODEL,"
        " s.ANAGRUP, s.OZELKOD, s.KALAN, s.PKOD, s.KDV, s.ALINANSIPARIS, s.VERILENSIPARIS,"
        " s.RESIMNO, s.BIRIM, s.LISTEFIYAT, s.KAMPFIYAT, s.YENI, s.KAMPANYA");
}

StockTable::StockTable(const PriceMath::Rates& customerRates, bool showQuantities)
    : m_rates(customerRates), m_showQuantities(showQuantities),
      m_rateText(PriceMath::discountText(customerRates).toUtf8())
{
    for (const char* name : outNames) {
        const QString n = QString::fromLatin1(name);
        m_table.addColumn(DataColumn(n, ColumnTypes::of(n)));
    }
}

void StockTable::run(Database& db, const QString& sql, const QVariantList& binds)
{
    if (db.dialect().isSqlite()) {
        SqliteRows rows = db.sqliteQuery(sql, binds);
        read(rows);
    } else {
        SqlStatement rows = db.query(sql, binds);
        read(rows);
    }
}

void StockTable::read(SqlStatement& rows)
{
    readRows(rows);
}

void StockTable::read(SqliteRows& rows)
{
    readRows(rows);
}

template <class Rows>
void StockTable::readRows(Rows& rows)
{
    while (rows.next())
        addRow(rows);
}

template <class Rows>
void StockTable::addRow(const Rows& row)
{
    for (int i = 0; i < KALAN; ++i) {
        if (col(i).type() == FieldType::Integer)
            col(i).appendInt(row.toInt(i));
        else
            col(i).appendBytes(row.utf8(i));
    }
    const double quantityFactor = m_showQuantities ? 1.0 : 0.0;
    col(KALAN).appendDouble(row.toDouble(InKalan) * quantityFactor);
    col(PKOD).appendBytes(row.utf8(InPkod));
    col(KDV).appendDouble(row.toDouble(InKdv));
    col(ALINANSIPARIS).appendDouble(row.toDouble(InAlinan) * quantityFactor);
    col(VERILENSIPARIS).appendDouble(row.toDouble(InVerilen) * quantityFactor);
    col(RESIM).appendInt(row.isNull(InResim) ? 0 : 1);
    col(BIRIM).appendBytes(row.utf8(InBirim));
    col(Y).appendInt(row.toInt(InYeni));
    const double campaign = row.toDouble(InKamp);
    m_listPrices.push_back(row.toDouble(InListe));
    m_campaignPrices.push_back(campaign);
    m_onCampaign.push_back(row.toInt(InKampanya) == 1 && campaign > 0);
}

DataTable StockTable::take()
{
    addPrices();
    return std::move(m_table);
}

void StockTable::addPrices()
{
    const std::vector<double>& vat = col(KDV).doubles();
    for (size_t r = 0; r < m_listPrices.size(); ++r) {
        const double list = m_listPrices[r];
        const double campaign = m_campaignPrices[r];
        const bool onCampaign = m_onCampaign[r];
        // A campaign price is already the customer's price: no further discounts on it.
        const PriceMath::Rates rates = onCampaign ? PriceMath::Rates{0, 0, 0, 0} : m_rates;
        const double net = PriceMath::netPrice(onCampaign ? campaign : list, rates);
        col(LISTEFIYAT1).appendDouble(list);
        col(KAMPFIYAT).appendDouble(onCampaign ? campaign : 0.0);
        col(FIYAT).appendDouble(onCampaign ? campaign : list);
        col(K).appendInt(onCampaign ? 1 : 0);
        const double saving = list > 0 ? std::round(100.0 - campaign / list * 100.0) : 0.0;
        col(INDIRIMYAZI).appendBytes(onCampaign ? "%" + QByteArray::number(saving) : m_rateText);
        col(NETFIYAT).appendDouble(net);
        col(KDVDAHIL).appendDouble(PriceMath::withVat(net, vat[r]));
        for (int i = 0; i < 4; ++i)
            col(IND1 + i).appendDouble(rates[i]);
        col(INDIRIM).appendDouble(list > 0 ? PriceMath::round2(100.0 - net / list * 100.0) : 0.0);
        col(ESKIFIYAT).appendDouble(list);
    }
    m_listPrices.clear();
    m_campaignPrices.clear();
    m_onCampaign.clear();
}
