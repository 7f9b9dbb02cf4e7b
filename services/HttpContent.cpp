#include "HttpContent.h"

#include "AppError.h"

#include <optional>
#include <zlib.h>

namespace {

/// Window-bits choices of zlib: gzip wrapper, zlib wrapper, raw deflate.
constexpr int GzipStream = 16 + MAX_WBITS;
constexpr int ZlibStream = MAX_WBITS;
constexpr int RawDeflate = -MAX_WBITS;

std::optional<QByteArray> inflateAll(const QByteArray& body, int windowBits)
{
    z_stream stream{};
    if (inflateInit2(&stream, windowBits) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.constData()));
    stream.avail_in = static_cast<uInt>(body.size());
    QByteArray out;
    char chunk[64 * 1024];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, static_cast<qsizetype>(sizeof chunk - stream.avail_out));
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return out;
}

} // namespace

QByteArray HttpContent::decode(const QByteArray& encoding, const QByteArray& body)
{
    const QByteArray name = encoding.trimmed().toLower();
    if (name.isEmpty() || name == "identity")
        return body;
    std::optional<QByteArray> decoded;
    if (name == "gzip" || name == "x-gzip")
        decoded = inflateAll(body, GzipStream);
    else if (name == "deflate") // servers send it with and without the zlib wrapper
        decoded = inflateAll(body, ZlibStream);
    else
        throw AppError(QStringLiteral("Desteklenmeyen içerik kodlaması: %1")
                           .arg(QString::fromLatin1(encoding)));
    if (!decoded && name == "deflate")
        decoded = inflateAll(body, RawDeflate);
    if (!decoded)
        throw AppError(QStringLiteral("Sıkıştırılmış dosya açılamadı (%1)")
                           .arg(QString::fromLatin1(encoding)));
    return *decoded;
}
