#pragma once

#include "DataTable.h"

class ByteReader;
class ByteWriter;

/// Column-wise wire form of a table: the header (names, types, sizes), the row count, then
/// each column as one block (null bitmap, then the values as a packed array, or for text and
/// blobs the cell lengths followed by all bytes). Decoding is a few bulk copies per column.
class TableCodec
{
public:
    static void write(ByteWriter& out, const DataTable& table);
    static DataTable read(ByteReader& in);
    /// Roughly the number of bytes `write` produces, for reserving the buffer.
    static qsizetype sizeHint(const DataTable& table);
};
