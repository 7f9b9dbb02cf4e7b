#include "StockTable.h"

#include "ColumnTypes.h"
#include "SqlStatement.h"

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

void StockTable::read(SqlStatement& statement)
{
    while (statement.next())
        addRow(statement);
}

DataTable StockTable::take()
{
    return std::move(m_table);
}

void StockTable::addRow(SqlStatement& s)
{
    for (int i = 0; i < KALAN; ++i) {
        const QVariant v = s.value(i);
        if (col(i).type() == FieldType::Integer)
            col(i).appendInt(v.toInt());
        else
            col(i).appendBytes(v.toString().toUtf8());
    }
    const double quantityFactor = m_showQuantities ? 1.0 : 0.0;
    col(KALAN).appendDouble(s.toDouble(InKalan) * quantityFactor);
    col(PKOD).appendBytes(s.toString(InPkod).toUtf8());
    const double vat = s.toDouble(InKdv);
    col(KDV).appendDouble(vat);
    col(ALINANSIPARIS).appendDouble(s.toDouble(InAlinan) * quantityFactor);
    col(VERILENSIPARIS).appendDouble(s.toDouble(InVerilen) * quantityFactor);
    col(RESIM).appendInt(s.value(InResim).isNull() ? 0 : 1);
    col(BIRIM).appendBytes(s.toString(InBirim).toUtf8());

    const double list = s.toDouble(InListe);
    const double campaign = s.toDouble(InKamp);
    const bool onCampaign = s.toInt(InKampanya) == 1 && campaign > 0;
    // A campaign price is already the customer's price: no further discounts on it.
    const PriceMath::Rates rates = onCampaign ? PriceMath::Rates{0, 0, 0, 0} : m_rates;
    const double price = onCampaign ? campaign : list;
    const double net = PriceMath::netPrice(price, rates);
    col(LISTEFIYAT1).appendDouble(list);
    col(KAMPFIYAT).appendDouble(onCampaign ? campaign : 0.0);
    col(FIYAT).appendDouble(price);
    col(Y).appendInt(s.toInt(InYeni));
    col(K).appendInt(onCampaign ? 1 : 0);
    const double saving = list > 0 ? std::round(100.0 - campaign / list * 100.0) : 0.0;
    col(INDIRIMYAZI).appendBytes(onCampaign ? "%" + QByteArray::number(saving) : m_rateText);
    col(NETFIYAT).appendDouble(net);
    col(KDVDAHIL).appendDouble(PriceMath::withVat(net, vat));
    for (int i = 0; i < 4; ++i)
        col(IND1 + i).appendDouble(rates[i]);
    col(INDIRIM).appendDouble(list > 0 ? PriceMath::round2(100.0 - net / list * 100.0) : 0.0);
    col(ESKIFIYAT).appendDouble(list);
}
