#pragma once

#include "RecordFields.h"

// Fields in declared order, which is also their order on the wire.
#define TACILISEKRAN_FIELDS(X) \
    X(int, SiraNo, 0) \
    X(QString, Resim, {}) \
    X(QString, Baslik, {}) \
    X(QString, Arama, {})

/// One opening screen or announcement picture; the picture travels as hexadecimal text.
class TAcilisEkran
{
public:
    static constexpr const char* TypeName = "mobilstokunit.TAcilisEkran";

    bool operator==(const TAcilisEkran&) const = default;

    OK_RECORD_BODY(TACILISEKRAN_FIELDS)
};
