#pragma once

#include <QString>

/// The states an order goes through. The salesman's list selector 2 to 7 is the state
/// number plus one (selector 1 is "accounts with a cart").
class OrderStatus
{
public:
    enum Value { Alindi = 1, Onaylandi, Goruldu, ParcaliHazirlandi, Hazirlandi, SevkEdildi };
    static constexpr int First = Alindi;
    static constexpr int Last = SevkEdildi;

    static QString name(int status);
    /// SQL expression naming the state held in `column` (constant texts only).
    static QString caseExpression(const QString& column);
};
