#pragma once

#include "RecordFields.h"

// Fields in declared order, which is also their order on the wire.
#define TMOBILCARIBILGISI_FIELDS(X) \
    X(QString, BILGISAYARID, {}) \
    X(QString, SEHIR, {}) \
    X(QString, FAX1, {}) \
    X(QString, SATICIMAIL, {}) \
    X(QString, SATICIADI, {}) \
    X(QString, CARIADI, {}) \
    X(QString, EMAIL, {}) \
    X(QString, VERGIDAIRESI, {}) \
    X(QString, YETKILI, {}) \
    X(QString, AltGrup, {}) \
    X(QString, TEL2, {}) \
    X(QString, SIFRE, {}) \
    X(QString, GSM, {}) \
    X(QString, TEL1, {}) \
    X(QString, ADRES2, {}) \
    X(double, TLBORC, 0) \
    X(double, TLALACAK, 0) \
    X(QString, ADRES1, {}) \
    X(QString, ULKE, {}) \
    X(QString, AnaGrup, {}) \
    X(int, CARINO, 0) \
    X(double, TLBAKIYE, 0) \
    X(QString, VERGINO, {}) \
    X(QString, MAIL, {}) \
    X(QString, OzelKod, {}) \
    X(QString, KULLANICIADI, {}) \
    X(QString, SATICITELEFON, {}) \
    X(QString, CARIKOD, {}) \
    X(QString, FAX2, {}) \
    X(QString, ILCE, {})

/// Card of a customer account.
class TMobilCariBilgisi
{
public:
    static constexpr const char* TypeName = "mobilstokunit.TMobilCariBilgisi";

    /// Copies every field of `source` into this record.
    void Kopyala(const TMobilCariBilgisi& source) { *this = source; }

    bool operator==(const TMobilCariBilgisi&) const = default;

    OK_RECORD_BODY(TMOBILCARIBILGISI_FIELDS)
};
