#pragma once

#include "RecordFields.h"

// Fields in declared order, which is also their order on the wire.
#define TSIPARISDIPAYRINTI_FIELDS(X) \
    X(QString, SizinMesaj, {}) \
    X(QString, Durumu, {}) \
    X(QString, Veren, {}) \
    X(QString, Kargo, {}) \
    X(QString, BizimMesaj, {}) \
    X(QString, TeslimCinsi, {}) \
    X(QString, KargoCinsi, {}) \
    X(QString, SaticiNotu, {})

/// Footer of one order: notes, status, who placed it, cargo and delivery.
class TSiparisDipAyrinti
{
public:
    static constexpr const char* TypeName = "baglantiu.TSiparisDipAyrinti";

    /// Copies every field of `source` into this record.
    void Kopyala(const TSiparisDipAyrinti& source) { *this = source; }

    bool operator==(const TSiparisDipAyrinti&) const = default;

    OK_RECORD_BODY(TSIPARISDIPAYRINTI_FIELDS)
};
