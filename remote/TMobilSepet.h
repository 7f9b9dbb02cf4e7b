#pragma once

#include "RecordFields.h"

// Fields in declared order, which is also their order on the wire.
#define TMOBILSEPET_FIELDS(X) \
    X(int, KARGOID, 0) \
    X(int, StokNo, 0) \
    X(double, TARIH, 0) \
    X(int, SIRANO, 0) \
    X(QString, CARIADI, {}) \
    X(double, VERILISTARIHI, 0) \
    X(int, Durum, 0) \
    X(double, MIKTAR, 0) \
    X(int, VERENIDNO, 0) \
    X(double, NETTUTAR, 0) \
    X(double, KDVLITUTAR, 0) \
    X(double, KDV, 0) \
    X(int, AKTAR, 0) \
    X(QString, SAAT, {}) \
    X(double, VERGITUTARI, 0) \
    X(QString, PKod, {}) \
    X(QString, MODEL, {}) \
    X(double, INDIRIMTUTAR, 0) \
    X(int, STOK_STOKNO, 0) \
    X(double, BIRIMFIYAT, 0) \
    X(int, SEC, 0) \
    X(QString, OEM2, {}) \
    X(QString, OEM3, {}) \
    X(QString, AnaGrup, {}) \
    X(QString, MARKA, {}) \
    X(QString, VEREN, {}) \
    X(QString, STOKADI, {}) \
    X(QString, OEM1, {}) \
    X(int, CARINO, 0) \
    X(int, VERENSIRANO, 0) \
    X(int, ACIKLAMA, 0) \
    X(double, INDIRIMORANI2, 0) \
    X(QString, OEM4, {}) \
    X(QString, KUR, {}) \
    X(double, INDIRIMORANI3, 0) \
    X(int, SIPARISNO, 0) \
    X(double, IDNO, 0) \
    X(QString, OzelKod, {}) \
    X(QString, DpKod, {}) \
    X(double, KURTL, 0) \
    X(double, INDIRIMORANI1, 0) \
    X(QString, DIGERADI, {}) \
    X(QString, Barkod, {}) \
    X(double, TUTAR, 0) \
    X(QString, URETICIKODU, {}) \
    X(double, Kalan, 0) \
    X(QString, FINISHKOD, {}) \
    X(QString, CARIKOD, {}) \
    X(double, NETBIRIMFIYAT, 0) \
    X(QString, OemNo, {}) \
    X(int, TESLIMID, 0) \
    X(int, ResimVar, 0) \
    X(QString, Resim, {})

/// One cart line (travels only with methods this client does not call). Dates are day
/// numbers.
class TMobilSepet
{
public:
    static constexpr const char* TypeName = "mobilstokunit.TMobilSepet";

    /// Copies every field of `source` into this record.
    void Kopyala(const TMobilSepet& source) { *this = source; }

    bool operator==(const TMobilSepet&) const = default;

    OK_RECORD_BODY(TMOBILSEPET_FIELDS)
};
