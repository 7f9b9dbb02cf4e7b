#pragma once

#include "DataTable.h"

/// A stock search result of realistic shape for benchmarks: the 35 columns the stock list
/// reads, texts of typical lengths, deterministic content.
class StockTableMaker
{
public:
    static DataTable make(int rows);
};
