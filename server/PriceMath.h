#pragma once

#include <QString>
#include <array>

/// Amounts of one priced line (cart, order or invoice line).
struct LineAmounts
{
    double gross = 0;    // quantity × unit price
    double discount = 0; // gross − net
    double net = 0;      // after the cascaded discounts, rounded to two decimals
    double vat = 0;      // net × VAT rate, rounded
    double netUnit = 0;  // net / quantity, rounded
    QString discountText;
};

/// The wholesaler's price arithmetic: cascaded discounts, VAT and money rounding.
class PriceMath
{
public:
    using Rates = std::array<double, 4>;

    /// Rounds to two decimals, exact halves away from zero (as the client rounds).
    static double round2(double value);
    /// Applies the four rates one after the other; a rate of 0 or below is skipped.
    static double cascade(double amount, const Rates& rates);
    /// Net unit price after the rates, rounded.
    static double netPrice(double price, const Rates& rates);
    /// Price including `vatRate` per cent, rounded.
    static double withVat(double net, double vatRate);
    /// The rates as the dealers write them, e.g. "30+10+5"; "0" without discount.
    static QString discountText(const Rates& rates);
    /// Total discount of the cascade in per cent, e.g. 30 and 10 give 37.
    static double effectiveRate(const Rates& rates);
    static LineAmounts line(double quantity, double price, const Rates& rates, double vatRate);
};
