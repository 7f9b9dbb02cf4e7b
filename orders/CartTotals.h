#pragma once

class ClientDataSet;

/// The totals of the cart lines marked for ordering (`SEC` = 1; any other value counts as
/// unmarked). Each running sum is rounded to two decimals after every addition, so the
/// totals agree with the order the server stores line by line.
struct CartTotals
{
    double Toplam = 0;        // gross amounts
    double IndirimToplam = 0; // discounts
    double Vergi = 0;         // VAT
    double AraToplam = 0;     // gross less discounts
    double GenelToplam = 0;   // net plus VAT

    /// Totals over every line of `sepet`; all zero when it is closed or empty. The cursor
    /// does not move.
    static CartTotals of(const ClientDataSet& sepet);
};
