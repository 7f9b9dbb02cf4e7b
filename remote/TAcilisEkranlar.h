#pragma once

#include "TAcilisEkran.h"
#include "RecordList.h"

/// A list of opening screens that owns its elements.
class TAcilisEkranlar : public RecordList<TAcilisEkran>
{
};
