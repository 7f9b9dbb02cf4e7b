#include "ColumnTypes.h"

#include <QHash>
#include <stdexcept>

namespace {

const char* const integerColumns[] = {
    "STOK_STOKNO", "STOKNO", "BARKOD_BARKODNO", "SIRANO", "SIPARISNO", "CARINO", "AKTAR",
    "SEC", "DURUM", "Y", "K", "RESIM", "VERENIDNO", "TESLIMID", "KARGOID", "IDNO",
    "VERENSIRANO", "STOKHAR_NO", "ID", "SEPET", "ALINDI", "ONAYLANDI", "GORULDU",
    "HAZIRLANDI", "PARCALIHAZIRLANDI", "SEVKEDILDI", "VADE", "VADEKONTROLGUN",
    "VADEKONTROLAY", "KARGOSIRANO", "STOKHAR_VADE", "SUBE_NO", "STOKHAR_CARINO",
    "IRSALIYETIPINO", "SIPARISTIPI", "BELGENO", "EVRAKSIRA", "YENI", "KAMPANYA", "DUYURU",
};

const char* const floatColumns[] = {
    "IND1", "IND2", "IND3", "IND4", "KDV", "FIYAT", "LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT",
    "KDVDAHIL", "KALAN", "ALINANSIPARIS", "VERILENSIPARIS", "ESKIFIYAT", "INDIRIM", "MIKTAR",
    "BIRIMFIYAT", "TUTAR", "NETBIRIMFIYAT", "VERGITUTARI", "NETTUTAR", "INDIRIMORANI1",
    "INDIRIMORANI2", "INDIRIMORANI3", "INDIRIMORANI4", "INDIRIMTUTAR", "KURTL",
    "TESLIMEDILEN", "ILKFIYAT", "BORC", "ALACAK", "BAKIYE", "VERGI", "TOPLAM",
    "TOPLAMINDIRIM", "MATRAH", "KDVTUTAR", "TLBAKIYE", "TLBIRIMFIYAT", "TLVERGI", "TLTUTAR",
    "NETTLTUTAR", "KDVDAHILBIRIMFIYAT", "KDVDAHILTUTAR", "INDIRIM1", "INDIRIM2", "INDIRIM3",
    "INDIRIM4", "INDIRIM5", "INDIRIM6", "INDIRIM7", "INDIRIM8", "MASRAF1", "MASRAF2",
    "TOPLAMMASRAF", "STOKHAR_MIKTAR", "STOKHAR_TLBIRIMFIYATI", "STOKHAR_TLTUTAR",
    "STOKHAR_INDIRIM1", "STOKHAR_INDIRIM2", "STOKHAR_INDIRIM3", "STOKHAR_INDIRIM4",
    "STOKHAR_INDIRIM5", "STOKHAR_INDIRIM6", "STOKHAR_INDIRIM7", "STOKHAR_INDIRIM8",
    "STOKHAR_TOPLAMINDIRIM", "STOKHAR_TOPLAMMASRAF", "STOKHAR_NETTLBIRIMFIYATI",
    "STOKHAR_NETTLTUTAR", "STOKHAR_TLVERGI", "STOKHAR_DOVIZBIRIMFIYATI", "STOKHAR_DOVIZVERGI",
    "STOKHAR_DOVIZTUTAR", "STOKHAR_MASRAF1", "STOKHAR_MASRAF2", "STOKHAR_DOVIZTOPLAMINDIRIM",
    "STOKHAR_DOVIZTOPLAMMASRAF", "STOKHAR_NETDOVIZBIRIMFIYATI", "STOKHAR_NETDOVIZTUTAR",
    "STOKHAR_KURTL", "BAKIYELER",
};

const char* const dateColumns[] = {
    "TARIH", "STOKHAR_HAREKETTARIHI", "STOKHAR_IRSTARIHI", "SIPARISTARIHI", "VADETARIHI",
};

const char* const dateTimeColumns[] = {"VERILISTARIHI"};

QHash<QString, FieldType> buildTable()
{
    QHash<QString, FieldType> t;
    for (const char* n : integerColumns)
        t.insert(QString::fromUtf8(n), FieldType::Integer);
    for (const char* n : floatColumns)
        t.insert(QString::fromUtf8(n), FieldType::Float);
    for (const char* n : dateColumns)
        t.insert(QString::fromUtf8(n), FieldType::Date);
    for (const char* n : dateTimeColumns)
        t.insert(QString::fromUtf8(n), FieldType::DateTime);
    return t;
}

const char* const stringColumns[] = {
    "OEM1", "OEM2", "OEM3", "OEM4", "BARKOD", "FINISHKOD", "ADI", "URETICIKODU", "DIGERADI",
    "DPKOD", "OEMNO", "MARKA", "MODEL", "ANAGRUP", "ALTGRUP", "OZELKOD", "PKOD", "BIRIM",
    "INDIRIMYAZI", "STOKADI", "VEREN", "KUR", "SAAT", "ACIKLAMA", "CARIKOD", "CARIADI",
    "TESLIM", "KARGO", "KARGOADI", "VERENINNOTU", "ALANNOTU", "ELDEKI", "UYARI", "TURADI",
    "EVRAK", "D", "SATICISI", "KOD1", "KOD2", "KOD3", "KOD4", "KOD5", "TEL1", "TEL2", "ILCE",
    "IL", "GSM", "YETKILI", "VERGIDAIRESI", "VERGINO", "ADRES1", "ADRES2", "FAX1", "FAX2",
    "EMAIL", "SATICIADI", "KOD", "DEPARTMAN", "TURU", "EVRAKSERI", "STOKCARIKOD", "SATICI",
    "STOKHAR_HAREKETTIPI2", "EVRAKNO", "IRSALIYEEVRAKNO", "SATIRACIKLMASI", "STOKHAR_SAAT",
    "SIPARISEVRAKNO", "IRSALIYETIP2", "STOKHAR_PARTI", "STOKHAR_BEDEN", "STOKHAR_RENK",
    "KUR_KURSIMGE", "ENADI", "CINS", "REF",
};

// The collection lines keep the mixed-case names of the old report; matched exactly.
const std::pair<const char*, FieldType> exactColumns[] = {
    {"Tarih", FieldType::Date}, {"Türü", FieldType::String}, {"Cins", FieldType::String},
    {"Vade", FieldType::Date}, {"Tutar", FieldType::Float}, {"Açıklama", FieldType::String},
    {"EvrakNo", FieldType::String}, {"Ref", FieldType::String}, {"Saat", FieldType::String},
    {"Kur", FieldType::String}, {"KurTL", FieldType::Float}, {"Döviz Tutar", FieldType::Float},
};

const QHash<QString, FieldType>& exactTable()
{
    static const QHash<QString, FieldType> t = [] {
        QHash<QString, FieldType> m;
        for (const auto& [n, type] : exactColumns)
            m.insert(QString::fromUtf8(n), type);
        return m;
    }();
    return t;
}

} // namespace

QString ColumnTypes::canonical(const QString& name)
{
    return exactTable().contains(name) ? name : name.toUpper();
}

FieldType ColumnTypes::of(const QString& name)
{
    if (const auto e = exactTable().constFind(name); e != exactTable().constEnd())
        return *e;
    static const QHash<QString, FieldType> table = [] {
        QHash<QString, FieldType> t = buildTable();
        for (const char* n : stringColumns)
            t.insert(QString::fromUtf8(n), FieldType::String);
        return t;
    }();
    const auto it = table.constFind(name.toUpper());
    if (it == table.constEnd())
        throw std::logic_error("no column type for " + name.toStdString());
    return *it;
}
