#pragma once

#include <QLocale>
#include <QString>

/// Number display patterns of the "#,###,##0.00" kind: '0' a required digit, '#' an
/// optional one, ',' anywhere in the whole part turns on thousands grouping, '.' marks the
/// decimals. Separators come from the locale. Values are rounded on their 15 significant
/// decimal digits with halves away from zero, so 1234.565 gives 1234.57 although its binary
/// value lies just below.
class DisplayFormat
{
public:
    static QString format(const QString& pattern, double value, const QLocale& locale = QLocale());
};
