#pragma once

#include <QByteArray>

/// The body of an HTTP answer as the server meant it: "gzip" and "deflate" content
/// encodings are undone here, because a request that names its own Accept-Encoding gets no
/// automatic decompression from Qt.
class HttpContent
{
public:
    /// Decodes `body` sent with the Content-Encoding `encoding` (empty or "identity" for
    /// none). Raises AppError for an unknown encoding or a damaged compressed body.
    static QByteArray decode(const QByteArray& encoding, const QByteArray& body);
};
