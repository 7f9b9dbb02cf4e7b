#pragma once

#include <QByteArray>
#include <QString>

/// Decodes hexadecimal text two characters at a time (a lone last digit is a byte of its
/// own: "ABC" gives AB 0C). Raises AppError when a pair is not hexadecimal.
QByteArray HexCoz(const QString& text);

/// Percent-encodes the UTF-8 bytes of `text` for a web address: printable ASCII and
/// existing "%XX" escapes stay, every other byte becomes "%XX" in upper case.
QString UrlKodla(const QString& text);
