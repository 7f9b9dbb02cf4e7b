#pragma once

#include "TMobilSepet.h"
#include "RecordList.h"

/// A list of cart lines that owns its elements.
class TMobilSepetler : public RecordList<TMobilSepet>
{
};
