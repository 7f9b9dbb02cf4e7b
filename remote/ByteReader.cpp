#include "ByteReader.h"

#include "RemoteError.h"

#include <bit>

static_assert(std::endian::native == std::endian::little,
              "the wire format is little-endian and copied as is");

QByteArrayView ByteReader::bytes(qsizetype n)
{
    if (n < 0 || n > remaining())
        fail(QStringLiteral("ileti beklenenden kısa"));
    const QByteArrayView view = m_data.sliced(m_pos, n);
    m_pos += n;
    return view;
}

QString ByteReader::shortString()
{
    return QString::fromUtf8(bytes(u16()));
}

QString ByteReader::longString()
{
    return QString::fromUtf8(bytes(u32()));
}

void ByteReader::expectEnd() const
{
    if (!atEnd())
        fail(QStringLiteral("iletinin sonunda fazla veri var"));
}

void ByteReader::fail(const QString& what)
{
    throw RemoteError(RemoteError::Kind::Protocol, QStringLiteral("Protokol hatası: ") + what);
}
