#pragma once

#include "RecordFields.h"

// Fields in declared order, which is also their order on the wire.
#define TSONUCBILGISI_FIELDS(X) \
    X(QString, BILGISAYARID, {}) \
    X(QString, SaticiMail, {}) \
    X(int, Sirano, 0) \
    X(QString, CariAdi, {}) \
    X(QString, SIFRE, {}) \
    X(int, SaticiNo, 0) \
    X(int, CARINO, 0) \
    X(int, AKTIF, 0) \
    X(QString, Kullanicimail, {}) \
    X(QString, ADI, {}) \
    X(QString, SaticiTelefon, {}) \
    X(QString, carikod, {}) \
    X(bool, Varmi, false) \
    X(QString, SaticiAdi, {}) \
    X(QString, BilgiSayarAdi, {}) \
    X(QString, Disip, {}) \
    X(QString, Icip, {}) \
    X(QString, BilgisayarKullanici, {}) \
    X(int, MusteriTipi, 1) \
    X(int, Version, 1)

/// The session record: workstation identity, user, customer account, salesman, user type
/// and the client version the server expects.
class TSonucBilgisi
{
public:
    static constexpr const char* TypeName = "baglantiu.TSonucBilgisi";

    /// Copies every field of `source` into this record.
    void Kopyala(const TSonucBilgisi& source) { *this = source; }

    bool operator==(const TSonucBilgisi&) const = default;

    OK_RECORD_BODY(TSONUCBILGISI_FIELDS)
};
