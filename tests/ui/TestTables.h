#pragma once

#include "ClientDataSet.h"

#include <QList>
#include <QVariantList>
#include <memory>
#include <vector>

/// Builds small client data sets for the toolkit tests.
class TestTables
{
public:
    /// A data set with these columns and rows (values in column order; invalid = null).
    static std::unique_ptr<ClientDataSet> make(const std::vector<DataColumn>& columns,
                                               const QList<QVariantList>& rows);
    /// Stock-like rows: ADI (text), MARKA (text), FIYAT (float, "#,###,##0.00"),
    /// MIKTAR (integer), DURUM (integer), SEC (integer).
    static std::unique_ptr<ClientDataSet> stock();
};
