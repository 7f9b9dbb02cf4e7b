#include "TextHelpers.h"

#include "AppError.h"

#include <algorithm>

namespace {

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

} // namespace

QByteArray HexCoz(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2 + 1);
    for (qsizetype i = 0; i < text.size(); i += 2) {
        const QString pair = text.mid(i, 2);
        if (!std::all_of(pair.cbegin(), pair.cend(), isHexDigit))
            throw AppError(QStringLiteral("'%1' geçerli bir onaltılık sayı değil").arg(pair));
        bytes.append(static_cast<char>(pair.toUInt(nullptr, 16)));
    }
    return bytes;
}

QString UrlKodla(const QString& text)
{
    // "%" and hexadecimal digits are printable, so an existing "%XX" escape passes as is.
    const QByteArray bytes = text.toUtf8();
    QString result;
    result.reserve(bytes.size() * 3);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x21 && c <= 0x7E)
            result += QLatin1Char(byte);
        else
            result += QStringLiteral("%%1").arg(c, 2, 16, QLatin1Char('0')).toUpper();
    }
    return result;
}
