#pragma once

#include "RecordFields.h"

// Fields in declared order, which is also their order on the wire.
#define TTUSSONUCLARI_FIELDS(X) \
    X(int, Alindi, 0) \
    X(int, Onaylandi, 0) \
    X(int, ParcaliHazirlandi, 0) \
    X(int, SevkEdildi, 0) \
    X(int, Hazirlandi, 0) \
    X(int, Goruldu, 0)

/// Order counts by status for the salesman's status buttons.
class TTusSonuclari
{
public:
    static constexpr const char* TypeName = "baglantiu.TTusSonuclari";

    /// Copies every field of `source` into this record.
    void Kopyala(const TTusSonuclari& source) { *this = source; }

    bool operator==(const TTusSonuclari&) const = default;

    OK_RECORD_BODY(TTUSSONUCLARI_FIELDS)
};
