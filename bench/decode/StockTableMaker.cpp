#include "StockTableMaker.h"

#include <QRandomGenerator>

namespace {

struct Col
{
    const char* name;
    FieldType type;
};

const Col columns[] = {
    {"DURUM", FieldType::Integer},      {"OEM1", FieldType::String},
    {"OEM2", FieldType::String},        {"OEM3", FieldType::String},
    {"BARKOD", FieldType::String},      {"FINISHKOD", FieldType::String},
    {"ADI", FieldType::String},         {"OEM4", FieldType::String},
    {"STOK_STOKNO", FieldType::Integer}, {"URETICIKODU", FieldType::String},
    {"BARKOD_BARKODNO", FieldType::Integer}, {"DIGERADI", FieldType::String},
    {"DPKOD", FieldType::String},       {"OEMNO", FieldType::String},
    {"MARKA", FieldType::String},       {"MODEL", FieldType::String},
    {"ANAGRUP", FieldType::String},     {"OZELKOD", FieldType::String},
    {"KALAN", FieldType::Float},        {"PKOD", FieldType::String},
    {"KDV", FieldType::Float},          {"ALINANSIPARIS", FieldType::Float},
    {"VERILENSIPARIS", FieldType::Float}, {"RESIM", FieldType::Integer},
    {"BIRIM", FieldType::String},       {"LISTEFIYAT1", FieldType::Float},
    {"KAMPFIYAT", FieldType::Float},    {"FIYAT", FieldType::Float},
    {"Y", FieldType::Integer},          {"K", FieldType::Integer},
    {"INDIRIMYAZI", FieldType::String}, {"NETFIYAT", FieldType::Float},
    {"KDVDAHIL", FieldType::Float},     {"IND1", FieldType::Float},
    {"IND2", FieldType::Float},
};

const char* const names[] = {"FREN BALATASI ÖN", "YAĞ FİLTRESİ", "DEBRİYAJ SETİ KOMPLE",
                             "AMORTİSÖR ARKA SAĞ", "TRİGER SETİ", "SU POMPASI",
                             "HAVA FİLTRESİ", "BUJİ TAKIMI", "ROT BAŞI SOL"};
const char* const brands[] = {"BOSCH", "VALEO", "SACHS", "MANN", "FEBI", "LEMFÖRDER"};
const char* const models[] = {"FIAT DOBLO 1.3 MJT", "RENAULT CLIO IV", "FORD FOCUS III",
                              "VW PASSAT B7", "TOYOTA COROLLA"};

QString code(QRandomGenerator& rng, int length)
{
    QString s;
    for (int i = 0; i < length; ++i)
        s += QChar(i % 3 == 0 ? 'A' + rng.bounded(26) : '0' + rng.bounded(10));
    return s;
}

QVariant text(const QString& column, QRandomGenerator& rng, int row)
{
    if (column == QLatin1String("ADI"))
        return QString::fromUtf8(names[row % 9]) + u' ' + code(rng, 6);
    if (column == QLatin1String("MARKA"))
        return QString::fromUtf8(brands[row % 6]);
    if (column == QLatin1String("MODEL"))
        return QString::fromUtf8(models[row % 5]);
    if (column == QLatin1String("BIRIM"))
        return QStringLiteral("ADET");
    if (column == QLatin1String("INDIRIMYAZI"))
        return QStringLiteral("%25+%10+%5");
    if (column == QLatin1String("BARKOD"))
        return QString::number(8690000000000LL + row);
    return code(rng, 8 + rng.bounded(6));
}

} // namespace

DataTable StockTableMaker::make(int rows)
{
    QRandomGenerator rng(20261211);
    DataTable table;
    for (const auto& c : columns)
        table.addColumn(DataColumn(QString::fromLatin1(c.name), c.type,
                                   c.type == FieldType::String ? 60 : 0));
    for (auto& c : table.columns())
        c.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        for (auto& c : table.columns()) {
            switch (c.type()) {
            case FieldType::Integer: c.appendInt(static_cast<int>(rng.bounded(1000000))); break;
            case FieldType::Float: c.appendDouble(rng.bounded(100000) / 100.0); break;
            default: c.appendBytes(text(c.name(), rng, r).toString().toUtf8()); break;
            }
        }
    }
    return table;
}
