#include "TestTables.h"

std::unique_ptr<ClientDataSet> TestTables::make(const std::vector<DataColumn>& columns,
                                                const QList<QVariantList>& rows)
{
    DataTable table(columns);
    for (const QVariantList& row : rows)
        table.appendRow(row);
    auto dataSet = std::make_unique<ClientDataSet>();
    dataSet->SetData(std::move(table));
    return dataSet;
}

std::unique_ptr<ClientDataSet> TestTables::stock()
{
    auto ds = make({DataColumn(QStringLiteral("ADI"), FieldType::String),
                    DataColumn(QStringLiteral("MARKA"), FieldType::String),
                    DataColumn(QStringLiteral("FIYAT"), FieldType::Float),
                    DataColumn(QStringLiteral("MIKTAR"), FieldType::Integer),
                    DataColumn(QStringLiteral("DURUM"), FieldType::Integer),
                    DataColumn(QStringLiteral("SEC"), FieldType::Integer)},
                   {{"FREN BALATASI", "BOSCH", 120.5, 4, 1, 1},
                    {"yağ filtresi", "MANN", 35.25, 10, 0, 0},
                    {"HAVA FİLTRESİ", "MANN", 48.0, 2, 3, 1},
                    {"Çamurluk", "BOSCH", 900.0, 1, 5, 0},
                    {"amortisör", QVariant(), 1250.75, 2, 2, 1},
                    {"Buji", "NGK", 22.4, 16, 1, 0}});
    ds->SetDisplayFormat(2, QStringLiteral("#,###,##0.00"));
    return ds;
}
