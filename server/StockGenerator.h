#pragma once

#include <QString>
#include <QVariantList>

/// The demo catalogue: item n (from 1) is always the same whatever the catalogue size,
/// with a Turkish auto-part name, brand (brand n mod 10, so at one million items each brand
/// has exactly 100,000), vehicle model, OEM numbers, barcode, group, status and prices.
class StockGenerator
{
public:
    static constexpr int BrandCount = 10;
    /// Number of part kinds; items with a picture share their part kind's picture.
    static int partKinds();
    static QString partName(int kind);
    static QString partGroup(int kind);
    static QString brand(int stokno);

    /// The STOK row of item `stokno` in the column order of `columns()`.
    static QVariantList row(int stokno);
    static QString columns();
    /// The texts the search finds the item by.
    static QString searchText(const QVariantList& row);
};
