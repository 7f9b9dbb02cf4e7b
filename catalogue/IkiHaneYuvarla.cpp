#include "IkiHaneYuvarla.h"

#include "DisplayFormat.h"

#include <QLocale>

double IkiHaneYuvarla(double value)
{
    const QLocale locale;
    QString text = DisplayFormat::format(QStringLiteral("#,###,##.00"), value, locale);
    text.remove(locale.groupSeparator());
    return locale.toDouble(text);
}
