#include "SampleData.h"

#include "DayNumber.h"
#include "GifWriter.h"

#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <cstdint>

namespace {

/// A small linear congruential generator: the same rows on every run.
class Dice
{
public:
    explicit Dice(std::uint32_t seed) : m_state(seed) {}
    int below(int n)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<int>((m_state >> 8) % static_cast<std::uint32_t>(n));
    }
    double price() { return below(500000) / 100.0 + 5.0; }

private:
    std::uint32_t m_state;
};

const std::array parts{
    "FREN BALATASI ÖN",  "FREN DİSKİ",     "YAĞ FİLTRESİ",     "HAVA FİLTRESİ",
    "POLEN FİLTRESİ",    "YAKIT FİLTRESİ", "AMORTİSÖR ÖN",     "AMORTİSÖR ARKA",
    "DEBRİYAJ SETİ",     "BUJİ",           "TRİGER SETİ",      "SU POMPASI",
    "RADYATÖR",          "ROT BAŞI",       "SALINCAK",         "AKÜ 60 AH",
    "SİLECEK SÜPÜRGESİ", "FAR AMPULÜ H7",  "KALORİFER MOTORU", "V KAYIŞI",
    "MOTOR TAKOZU",      "AKS KÖRÜĞÜ",     "ÇAMURLUK SAĞ",     "EGZOZ SUSTURUCU"};
const std::array brands{"BOSCH", "MANN", "NGK",       "SACHS", "VALEO",
                        "MAHLE", "FEBI", "LEMFÖRDER", "GATES", "SKF"};
const std::array models{"FIAT DOBLO",     "RENAULT CLIO",   "FORD FOCUS", "VW PASSAT",
                        "TOYOTA COROLLA", "HYUNDAI ACCENT", "OPEL ASTRA", "PEUGEOT 301",
                        "DACIA DUSTER",   "HONDA CIVIC"};
const std::array groups{"FREN", "FİLTRE", "SÜSPANSİYON", "MOTOR", "ELEKTRİK", "KAPORTA"};
const std::array units{"ADET", "TAKIM", "KUTU"};

void addText(DataColumn& column, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    column.appendBytes(utf8);
}

QString code(Dice& dice, const char* prefix, int digits)
{
    QString s = QString::fromUtf8(prefix);
    for (int i = 0; i < digits; ++i)
        s += QChar(u'0' + dice.below(10));
    return s;
}

struct StockColumns
{
    std::vector<DataColumn> columns;
    DataColumn& operator[](const char* name)
    {
        for (DataColumn& c : columns) {
            if (c.name() == QLatin1String(name))
                return c;
        }
        return columns.front();
    }
};

StockColumns stockColumns()
{
    StockColumns s;
    auto add = [&s](const char* name, FieldType type) {
        s.columns.emplace_back(QString::fromLatin1(name), type);
    };
    for (const char* name : {"DURUM"})
        add(name, FieldType::Integer);
    for (const char* name : {"OEM1", "OEM2", "OEM3", "BARKOD", "FINISHKOD", "ADI", "OEM4"})
        add(name, FieldType::String);
    add("STOK_STOKNO", FieldType::Integer);
    for (const char* name : {"URETICIKODU", "BARKOD_BARKODNO", "DIGERADI", "DPKOD", "OEMNO",
                             "MARKA", "MODEL", "ANAGRUP", "OZELKOD"})
        add(name, FieldType::String);
    add("KALAN", FieldType::Float);
    add("PKOD", FieldType::String);
    add("KDV", FieldType::Integer);
    add("ALINANSIPARIS", FieldType::Float);
    add("VERILENSIPARIS", FieldType::Float);
    add("RESIM", FieldType::Integer);
    add("BIRIM", FieldType::String);
    for (const char* name : {"LISTEFIYAT1", "KAMPFIYAT", "FIYAT"})
        add(name, FieldType::Float);
    add("Y", FieldType::Integer);
    add("K", FieldType::Integer);
    add("INDIRIMYAZI", FieldType::String);
    for (const char* name : {"NETFIYAT", "KDVDAHIL", "IND1", "IND2"})
        add(name, FieldType::Float);
    return s;
}

void stockRow(StockColumns& c, Dice& dice, int row)
{
    const QString part = QString::fromUtf8(parts[dice.below(parts.size())]);
    const QString brand = QString::fromUtf8(brands[dice.below(brands.size())]);
    const QString model = QString::fromUtf8(models[dice.below(models.size())]);
    c["DURUM"].appendInt(dice.below(6));
    for (const char* oem : {"OEM1", "OEM2", "OEM3", "OEM4"})
        addText(c[oem], code(dice, "", 8));
    addText(c["BARKOD"], code(dice, "869", 10));
    addText(c["FINISHKOD"], code(dice, "FK-", 6));
    addText(c["ADI"], part + QLatin1Char(' ') + model);
    c["STOK_STOKNO"].appendInt(100000 + row);
    addText(c["URETICIKODU"], code(dice, "U", 7));
    addText(c["BARKOD_BARKODNO"], code(dice, "", 6));
    addText(c["DIGERADI"], part.toLower());
    addText(c["DPKOD"], code(dice, "D", 4));
    addText(c["OEMNO"], code(dice, "", 10));
    addText(c["MARKA"], brand);
    addText(c["MODEL"], model);
    addText(c["ANAGRUP"], QString::fromUtf8(groups[dice.below(groups.size())]));
    addText(c["OZELKOD"], code(dice, "Ö", 3));
    c["KALAN"].appendDouble(dice.below(200));
    addText(c["PKOD"], code(dice, "P", 3));
    c["KDV"].appendInt(20);
    c["ALINANSIPARIS"].appendDouble(dice.below(50));
    c["VERILENSIPARIS"].appendDouble(dice.below(50));
    c["RESIM"].appendInt(dice.below(3) == 0 ? 0 : 1);
    addText(c["BIRIM"], QString::fromLatin1(units[dice.below(units.size())]));
    const double list = dice.price();
    const double campaign = dice.below(4) == 0 ? list * 0.85 : 0.0;
    const double discount = 5.0 * dice.below(5);
    const double net = (campaign > 0 ? campaign : list) * (1 - discount / 100);
    c["LISTEFIYAT1"].appendDouble(list);
    c["KAMPFIYAT"].appendDouble(campaign);
    c["FIYAT"].appendDouble(list);
    c["Y"].appendInt(dice.below(8) == 0 ? 1 : 0);
    c["K"].appendInt(campaign > 0 ? 1 : 0);
    addText(c["INDIRIMYAZI"], discount > 0 ? QStringLiteral("%%1").arg(discount) : QString());
    c["NETFIYAT"].appendDouble(net);
    c["KDVDAHIL"].appendDouble(net * 1.2);
    c["IND1"].appendDouble(discount);
    c["IND2"].appendDouble(0);
}

QImage poster(int index)
{
    static const std::array titles{"Fren Kampanyası", "Yeni Gelen Filtreler", "Fiyat Duyurusu",
                                   "Akü Haftası"};
    static const std::array colours{QColor(200, 60, 50), QColor(40, 130, 90), QColor(40, 100, 180),
                                    QColor(210, 140, 30)};
    QImage image(605, 200, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 605, 200);
    g.setColorAt(0, colours[index % colours.size()]);
    g.setColorAt(1, colours[index % colours.size()].darker(170));
    p.fillRect(image.rect(), g);
    p.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    p.setFont(font);
    p.drawText(image.rect().adjusted(30, 0, -30, -40), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(titles[index % titles.size()]));
    font.setPointSize(14);
    font.setBold(false);
    p.setFont(font);
    p.drawText(image.rect().adjusted(32, 100, -30, -20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Ayrıntılar için çift tıklayın"));
    return image;
}

QByteArray jpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

} // namespace

DataTable SampleData::stock(int rows)
{
    StockColumns columns = stockColumns();
    for (DataColumn& c : columns.columns)
        c.reserve(rows);
    Dice dice(20240611);
    for (int row = 0; row < rows; ++row)
        stockRow(columns, dice, row);
    return DataTable(std::move(columns.columns));
}

DataTable SampleData::cart()
{
    DataTable table(
        {DataColumn("SIRANO", FieldType::Integer), DataColumn("SEC", FieldType::Integer),
         DataColumn("VERILISTARIHI", FieldType::Date), DataColumn("BARKOD", FieldType::String),
         DataColumn("FINISHKOD", FieldType::String), DataColumn("STOKADI", FieldType::String),
         DataColumn("MIKTAR", FieldType::Float), DataColumn("BIRIMFIYAT", FieldType::Float),
         DataColumn("TUTAR", FieldType::Float), DataColumn("INDIRIMYAZI", FieldType::String),
         DataColumn("NETBIRIMFIYAT", FieldType::Float), DataColumn("KDV", FieldType::Integer),
         DataColumn("VERGITUTARI", FieldType::Float), DataColumn("NETTUTAR", FieldType::Float),
         DataColumn("VEREN", FieldType::String), DataColumn("DURUM", FieldType::Integer)});
    Dice dice(7);
    for (int row = 0; row < 14; ++row) {
        const double quantity = 1 + dice.below(12);
        const double price = dice.price() / 10;
        const double net = price * 0.9;
        table.appendRow(
            {row + 1, dice.below(3) == 0 ? 0 : 1, QDate(2024, 6, 1).addDays(row),
             code(dice, "869", 10), code(dice, "FK-", 6),
             QString::fromUtf8(parts[dice.below(parts.size())]), quantity, price, quantity * price,
             QStringLiteral("%10"), net, 20, quantity * net * 0.2, quantity * net,
             row % 2 ? QStringLiteral("Bayi") : QStringLiteral("Temsilci"), dice.below(6)});
    }
    return table;
}

DataTable SampleData::orders()
{
    DataTable table(
        {DataColumn("SATICIADI", FieldType::String), DataColumn("TARIH", FieldType::Date),
         DataColumn("CARIKOD", FieldType::String), DataColumn("CARIADI", FieldType::String),
         DataColumn("VERGI", FieldType::Float), DataColumn("NETTUTAR", FieldType::Float),
         DataColumn("TUTAR", FieldType::Float), DataColumn("DURUM", FieldType::String)});
    static const std::array sellers{"AHMET YILMAZ", "ELİF KAYA", "MEHMET ÖZTÜRK", "ZEYNEP ÇELİK"};
    static const std::array customers{"ÖZGÜR OTO YEDEK PARÇA", "KARADENİZ OTOMOTİV",
                                      "EGE FREN SİSTEMLERİ", "ANADOLU OTO", "BOĞAZİÇİ MOTOR"};
    static const std::array states{"Alındı", "Onaylandı", "Hazırlandı", "Sevk Edildi"};
    Dice dice(99);
    for (int row = 0; row < 60; ++row) {
        const double net = dice.price() * 3;
        table.appendRow({QString::fromUtf8(sellers[dice.below(sellers.size())]),
                         QDate(2024, 5, 1).addDays(dice.below(40)), code(dice, "120.", 4),
                         QString::fromUtf8(customers[dice.below(customers.size())]), net * 0.2,
                         net, net * 1.2, QString::fromUtf8(states[dice.below(states.size())])});
    }
    return table;
}

DataTable SampleData::announcements()
{
    DataTable table({DataColumn("RESIM", FieldType::Blob), DataColumn("BASLIK", FieldType::String),
                     DataColumn("ARAMA", FieldType::String)});
    for (int i = 0; i < 4; ++i)
        table.appendRow({jpeg(poster(i)), QStringLiteral("Duyuru %1").arg(i + 1),
                         i == 0 ? QStringLiteral("KAMPANYA") : QStringLiteral("FREN")});
    return table;
}

QByteArray SampleData::banner(int width, int height)
{
    QList<QImage> frames;
    for (int f = 0; f < 12; ++f) {
        QImage image(width, height, QImage::Format_ARGB32);
        QPainter p(&image);
        QLinearGradient g(0, 0, width, 0);
        g.setColorAt(0, QColor(31, 122, 184));
        g.setColorAt(1, QColor(61, 65, 74));
        p.fillRect(image.rect(), g);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 196, 30));
        const int x = f * (width + 40) / 12 - 20;
        p.drawEllipse(QPoint(x, height / 2), height / 4, height / 4);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), height / 6, QFont::Bold));
        p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Haziran Kampanyası %20"));
        frames << image;
    }
    return GifWriter::encode(frames, 12, Qt::white);
}
