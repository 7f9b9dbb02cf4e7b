#include "Money.h"

#include <QLocale>

QString Money::text(double amount)
{
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toString(amount, 'f', 2) + QStringLiteral(" TL");
}
