#include "DisplayFormat.h"

#include <cmath>
#include <cstdio>

namespace {

struct Pattern
{
    bool grouping = false;
    int minWhole = 0;    // '0' digits before the decimal point
    int minDecimals = 0; // '0' digits after it
    int maxDecimals = 0; // '0' and '#' digits after it
};

Pattern parse(const QString& text)
{
    Pattern p;
    bool decimals = false;
    for (const QChar c : text) {
        if (c == u'.')
            decimals = true;
        else if (c == u',' && !decimals)
            p.grouping = true;
        else if (c == u'0' && decimals)
            ++p.minDecimals, ++p.maxDecimals;
        else if (c == u'#' && decimals)
            ++p.maxDecimals;
        else if (c == u'0')
            ++p.minWhole;
    }
    return p;
}

/// Decimal digits of |value| rounded half away from zero to `decimals` places, taken from
/// its 15-significant-digit representation. Returns the digits and the position of the
/// decimal point within them.
QByteArray roundedDigits(double value, int decimals, int& pointPos)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: d.dddddddddddddde±XX
    QByteArray digits;
    digits.append(buf[0]);
    digits.append(buf + 2, 14);
    const int exponent = std::atoi(buf + 17);
    pointPos = exponent + 1;
    if (pointPos < 1) { // pad so the point lies inside the digits
        digits.prepend(QByteArray(1 - pointPos, '0'));
        pointPos = 1;
    }
    const int keep = pointPos + decimals;
    if (keep < digits.size()) {
        const bool up = digits[keep] >= '5';
        digits.truncate(keep);
        for (int i = keep - 1; up && i >= 0; --i) {
            if (digits[i] == '9') {
                digits[i] = '0';
                if (i == 0) {
                    digits.prepend('1');
                    ++pointPos;
                }
            } else {
                digits[i] = static_cast<char>(digits[i] + 1);
                break;
            }
        }
    } else {
        digits.append(QByteArray(keep - digits.size(), '0'));
    }
    return digits;
}

QString groupWhole(const QString& whole, const QString& separator)
{
    QString out;
    const int n = static_cast<int>(whole.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += whole[i];
    }
    return out;
}

} // namespace

QString DisplayFormat::format(const QString& pattern, double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return locale.toString(value);
    const Pattern p = parse(pattern);
    int pointPos = 0;
    const QByteArray digits = roundedDigits(value, p.maxDecimals, pointPos);

    QString whole = QString::fromLatin1(digits.left(pointPos));
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole == u"0" && p.minWhole == 0)
        whole.clear();
    while (whole.size() < p.minWhole)
        whole.prepend(u'0');

    QString fraction = QString::fromLatin1(digits.mid(pointPos));
    while (fraction.size() > p.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    const bool zero = digits.count('0') == digits.size();
    QString text = p.grouping ? groupWhole(whole, locale.groupSeparator()) : whole;
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    if (value < 0 && !zero)
        text.prepend(locale.negativeSign());
    return text;
}
