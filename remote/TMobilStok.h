#pragma once

#include "RecordFields.h"

// Fields in declared order, which is also their order on the wire.
#define TMOBILSTOK_FIELDS(X) \
    X(int, StokNo, 0) \
    X(int, ResimVar, 0) \
    X(QString, Resim, {}) \
    X(int, Yeni, 0) \
    X(QString, Departman, {}) \
    X(double, VerilenSiparis, 0) \
    X(QString, AltGrup, {}) \
    X(int, Durum, 0) \
    X(QString, Renk, {}) \
    X(QString, Birim, QStringLiteral("ADET")) \
    X(double, KDV, 20) \
    X(double, AlinanSiparis, 0) \
    X(double, Isk2, 0) \
    X(QString, AnaGrup, {}) \
    X(QString, Kod, {}) \
    X(double, Isk3, 0) \
    X(double, ListeFiyati, 0) \
    X(QString, Beden, {}) \
    X(double, NetFiyat, 0) \
    X(double, Isk1, 0) \
    X(double, KDVliFiyat, 0) \
    X(double, Isk4, 0) \
    X(QString, OzelKod, {}) \
    X(int, Kampnayali, 0) \
    X(QString, Barkod, {}) \
    X(double, IndirimOran, 0) \
    X(double, Kalan, 0) \
    X(QString, UreticiKod, {}) \
    X(double, KampanyaliFiyat, 0) \
    X(QString, OemNo, {}) \
    X(int, BarkodNo, 0) \
    X(QString, PKod, {}) \
    X(QString, DpKod, {}) \
    X(QString, Adi, {}) \
    X(double, Fiyat, 0)

/// One stock item (travels only with methods this client does not call).
class TMobilStok
{
public:
    static constexpr const char* TypeName = "mobilstokunit.TMobilStok";

    /// Copies every field of `source` into this record.
    void Kopyala(const TMobilStok& source) { *this = source; }

    bool operator==(const TMobilStok&) const = default;

    OK_RECORD_BODY(TMOBILSTOK_FIELDS)
};
