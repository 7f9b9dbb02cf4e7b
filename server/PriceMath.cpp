#include "PriceMath.h"

#include <QStringList>
#include <cmath>

double PriceMath::round2(double value)
{
    const double scaled = value * 100.0;
    const double whole = std::trunc(scaled);
    const double fraction = std::fabs(scaled - whole);
    // A value such as 1.005 is stored as 1.00499999…; treat it as the half it was written as.
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
    double rounded = std::round(scaled);
    if (std::fabs(fraction - 0.5) < tolerance)
        rounded = whole + (scaled < 0 ? -1.0 : 1.0);
    return rounded / 100.0;
}

double PriceMath::cascade(double amount, const Rates& rates)
{
    for (double r : rates) {
        if (r > 0)
            amount -= amount * r / 100.0;
    }
    return amount;
}

double PriceMath::netPrice(double price, const Rates& rates)
{
    return round2(cascade(price, rates));
}

double PriceMath::withVat(double net, double vatRate)
{
    return round2(net * (vatRate / 100.0 + 1.0));
}

QString PriceMath::discountText(const Rates& rates)
{
    QStringList parts;
    for (double r : rates) {
        if (r > 0)
            parts << QString::number(r, 'g', 6);
    }
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(u'+');
}

double PriceMath::effectiveRate(const Rates& rates)
{
    return round2(100.0 - cascade(100.0, rates));
}

LineAmounts PriceMath::line(double quantity, double price, const Rates& rates, double vatRate)
{
    LineAmounts a;
    a.gross = round2(quantity * price);
    a.net = round2(cascade(quantity * price, rates));
    a.discount = round2(a.gross - a.net);
    a.vat = round2(a.net * vatRate / 100.0);
    a.netUnit = quantity != 0 ? round2(a.net / quantity) : 0;
    a.discountText = discountText(rates);
    return a;
}
