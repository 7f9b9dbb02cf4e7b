#include "StockGenerator.h"

#include <QStringList>
#include <cstdint>

namespace {

struct Part
{
    const char* name;
    const char* english;
    const char* group;
    const char* subgroup;
    double basePrice;
};

const Part parts[] = {
    {"FREN BALATASI ÖN", "FRONT BRAKE PAD", "FREN", "BALATA", 650},
    {"FREN BALATASI ARKA", "REAR BRAKE PAD", "FREN", "BALATA", 520},
    {"FREN DİSKİ ÖN", "FRONT BRAKE DISC", "FREN", "DİSK", 1200},
    {"FREN DİSKİ ARKA", "REAR BRAKE DISC", "FREN", "DİSK", 980},
    {"FREN KALİPERİ", "BRAKE CALIPER", "FREN", "KALİPER", 2400},
    {"YAĞ FİLTRESİ", "OIL FILTER", "FİLTRE", "YAĞ", 180},
    {"HAVA FİLTRESİ", "AIR FILTER", "FİLTRE", "HAVA", 260},
    {"POLEN FİLTRESİ", "CABIN FILTER", "FİLTRE", "POLEN", 210},
    {"YAKIT FİLTRESİ", "FUEL FILTER", "FİLTRE", "YAKIT", 340},
    {"AMORTİSÖR ÖN SAĞ", "FRONT SHOCK ABSORBER RIGHT", "SÜSPANSİYON", "AMORTİSÖR", 1900},
    {"AMORTİSÖR ARKA", "REAR SHOCK ABSORBER", "SÜSPANSİYON", "AMORTİSÖR", 1600},
    {"ROTİL", "BALL JOINT", "SÜSPANSİYON", "ROT", 420},
    {"ROT BAŞI", "TIE ROD END", "SÜSPANSİYON", "ROT", 380},
    {"SALINCAK ÖN ALT", "LOWER CONTROL ARM", "SÜSPANSİYON", "SALINCAK", 1500},
    {"Z ROT", "STABILIZER LINK", "SÜSPANSİYON", "ROT", 290},
    {"TRİGER SETİ", "TIMING BELT KIT", "MOTOR", "TRİGER", 2800},
    {"DEVİRDAİM POMPASI", "WATER PUMP", "SOĞUTMA", "POMPA", 1350},
    {"V KAYIŞI", "V-RIBBED BELT", "MOTOR", "KAYIŞ", 310},
    {"BUJİ", "SPARK PLUG", "ATEŞLEME", "BUJİ", 160},
    {"ATEŞLEME BOBİNİ", "IGNITION COIL", "ATEŞLEME", "BOBİN", 1100},
    {"DEBRİYAJ SETİ", "CLUTCH KIT", "ŞANZIMAN", "DEBRİYAJ", 4200},
    {"RADYATÖR", "RADIATOR", "SOĞUTMA", "RADYATÖR", 2600},
    {"TERMOSTAT", "THERMOSTAT", "SOĞUTMA", "TERMOSTAT", 450},
    {"MARŞ MOTORU", "STARTER MOTOR", "ELEKTRİK", "MARŞ", 3900},
    {"ŞARJ DİNAMOSU", "ALTERNATOR", "ELEKTRİK", "ŞARJ", 5200},
    {"SİLECEK SÜPÜRGESİ", "WIPER BLADE", "AKSESUAR", "SİLECEK", 240},
    {"FAR SOL", "HEADLAMP LEFT", "AYDINLATMA", "FAR", 3100},
    {"STOP LAMBASI SAĞ", "TAIL LAMP RIGHT", "AYDINLATMA", "STOP", 1250},
    {"AKS KÖRÜĞÜ", "CV BOOT", "ŞANZIMAN", "AKS", 230},
    {"PORYA RULMANI", "WHEEL BEARING", "SÜSPANSİYON", "RULMAN", 780},
    {"MOTOR KULAĞI", "ENGINE MOUNT", "MOTOR", "TAKOZ", 690},
    {"EGZOZ SUSTURUCU", "EXHAUST SILENCER", "EGZOZ", "SUSTURUCU", 1450},
    {"KLİMA KOMPRESÖRÜ", "AC COMPRESSOR", "KLİMA", "KOMPRESÖR", 7800},
    {"ENJEKTÖR", "FUEL INJECTOR", "YAKIT", "ENJEKTÖR", 2100},
    {"SİLİNDİR KAPAK CONTASI", "CYLINDER HEAD GASKET", "MOTOR", "CONTA", 890},
    {"KRANK KEÇESİ", "CRANKSHAFT SEAL", "MOTOR", "KEÇE", 150},
};

const char* const brands[StockGenerator::BrandCount] = {
    "BOSCH", "VALEO", "MANN", "SACHS", "FEBI", "TRW", "NGK", "GATES", "SKF", "MAHLE"};

const char* const models[] = {
    "RENAULT CLIO III", "RENAULT MEGANE II", "FIAT DOBLO", "FIAT EGEA", "FORD FOCUS II",
    "FORD TRANSIT", "VW PASSAT B6", "VW GOLF VII", "TOYOTA COROLLA", "HYUNDAI ACCENT",
    "OPEL ASTRA H", "PEUGEOT 301", "DACIA LOGAN", "HONDA CIVIC", "CITROEN BERLINGO",
    "TOFAŞ ŞAHİN"};

const char* const suffixes[] = {"", "", " TAKIM", " SET", " ORJİNAL TİP", " AĞIR HİZMET"};

std::uint64_t mix(std::uint64_t x)
{
    // splitmix64: a fixed, well-spread hash of the item number.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

QString digits(std::uint64_t h, int count)
{
    QString out;
    for (int i = 0; i < count; ++i, h /= 10)
        out += QChar(u'0' + int(h % 10));
    return out;
}

QString ean13(int stokno)
{
    QString code = QStringLiteral("869") + QString::number(stokno).rightJustified(9, u'0');
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (code[i].unicode() - u'0') * (i % 2 ? 3 : 1);
    return code + QChar(u'0' + (10 - sum % 10) % 10);
}

double price(double base, std::uint64_t h)
{
    return qRound64(base * (0.6 + double(h % 1200) / 1000.0) * 100) / 100.0;
}

int status(std::uint64_t h)
{
    const int r = int(h % 100);
    return r < 55 ? 1 : r < 65 ? 0 : r < 73 ? 2 : r < 83 ? 3 : r < 90 ? 4 : 5;
}

} // namespace

int StockGenerator::partKinds()
{
    return int(std::size(parts));
}

QString StockGenerator::partName(int kind)
{
    return QString::fromUtf8(parts[kind].name);
}

QString StockGenerator::partGroup(int kind)
{
    return QString::fromUtf8(parts[kind].group);
}

QString StockGenerator::brand(int stokno)
{
    return QString::fromLatin1(brands[stokno % BrandCount]);
}

QString StockGenerator::columns()
{
    return QStringLiteral(
        "STOKNO, BARKOD, BARKODNO, FINISHKOD, ADI, DIGERADI, URETICIKODU, OEMNO, OEM1, OEM2,"
        " OEM3, OEM4, MARKA, MODEL, ANAGRUP, ALTGRUP, OZELKOD, DPKOD, PKOD, DEPARTMAN, BIRIM,"
        " KDV, LISTEFIYAT, KAMPFIYAT, YENI, KAMPANYA, DURUM, KALAN, ALINANSIPARIS,"
        " VERILENSIPARIS, RESIMNO");
}

QVariantList StockGenerator::row(int stokno)
{
    const std::uint64_t h = mix(std::uint64_t(stokno));
    const std::uint64_t h2 = mix(h);
    const int kind = int(h % std::size(parts));
    const Part& part = parts[kind];
    const QString name = QString::fromUtf8(part.name) +
                         QString::fromUtf8(suffixes[(h >> 8) % std::size(suffixes)]);
    const double list = price(part.basePrice, h2);
    const bool campaign = (h2 >> 20) % 100 < 4;
    const int state = status(h >> 16);
    const QVariant picture = (h >> 24) % 3 == 0 ? QVariant(kind + 1) : QVariant();
    return {stokno, ean13(stokno), stokno,
            QStringLiteral("OK-%1").arg(100000 + stokno), name, QString::fromLatin1(part.english),
            digits(h2 >> 4, 10), digits(h >> 12, 10), digits(h2 >> 14, 10),
            digits(h >> 20, 9), (h2 >> 30) % 2 ? digits(h2 >> 24, 8) : QString(),
            (h >> 40) % 3 == 0 ? digits(h >> 28, 8) : QString(), brand(stokno),
            QString::fromUtf8(models[(h >> 32) % std::size(models)]),
            QString::fromUtf8(part.group), QString::fromUtf8(part.subgroup),
            QString(QChar(u'A' + int((h >> 36) % 3))), QStringLiteral("D%1").arg(kind + 10),
            QStringLiteral("P%1").arg((h >> 44) % 50), QString::fromUtf8(part.group),
            QStringLiteral("ADET"), 20.0, list,
            campaign ? qRound64(list * (0.75 + double((h2 >> 40) % 15) / 100.0) * 100) / 100.0
                     : 0.0,
            (h2 >> 48) % 100 < 3 ? 1 : 0, campaign ? 1 : 0, state,
            state == 1 ? double(1 + (h2 >> 52) % 200) : 0.0, double((h >> 50) % 30),
            double((h2 >> 56) % 100), picture};
}

QString StockGenerator::searchText(const QVariantList& r)
{
    // FINISHKOD, BARKOD, ADI, OEM numbers, MARKA, MODEL, URETICIKODU.
    return QStringList{r[3].toString(), r[1].toString(), r[4].toString(), r[7].toString(),
                       r[8].toString(), r[9].toString(), r[10].toString(), r[11].toString(),
                       r[12].toString(), r[13].toString(), r[6].toString()}
        .join(u' ');
}
