#pragma once

#include <QString>

/// Amounts as the wholesaler writes them: Turkish digit grouping, two decimals, "TL".
class Money
{
public:
    static QString text(double amount);
};
