#pragma once

#include "TMobilStok.h"
#include "RecordList.h"

/// A list of stock items that owns its elements.
class TMobilStoklar : public RecordList<TMobilStok>
{
};
