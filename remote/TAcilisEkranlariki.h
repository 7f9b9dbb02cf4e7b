#pragma once

#include "RecordFields.h"
#include "TAcilisEkran.h"

#include <vector>

#define TACILISEKRANLARIKI_FIELDS(X) X(std::vector<TAcilisEkran>, Ekranlar, {})

/// The announcement screens, in order; the setter of `Ekranlar` replaces the whole array.
class TAcilisEkranlariki
{
public:
    static constexpr const char* TypeName = "mobilstokunit.TAcilisEkranlariki";

    bool operator==(const TAcilisEkranlariki&) const = default;

    OK_RECORD_BODY(TACILISEKRANLARIKI_FIELDS)
};
