#include "ByteWriter.h"

void ByteWriter::shortString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8().left(0xFFFF);
    u16(static_cast<std::uint16_t>(utf8.size()));
    bytes(utf8);
}

void ByteWriter::longString(const QString& text)
{
    longBytes(text.toUtf8());
}

void ByteWriter::longBytes(QByteArrayView v)
{
    u32(static_cast<std::uint32_t>(v.size()));
    bytes(v);
}
