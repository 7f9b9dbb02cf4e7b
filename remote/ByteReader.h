#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <cstring>

/// Bounds-checked reading of little-endian values from a received message. Reading past the
/// end raises a protocol error, so a truncated or forged message can never read outside it.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView data) : m_data(data) {}

    qsizetype remaining() const { return m_data.size() - m_pos; }
    bool atEnd() const { return m_pos == m_data.size(); }

    std::uint8_t u8() { return fixed<std::uint8_t>(); }
    std::uint16_t u16() { return fixed<std::uint16_t>(); }
    std::uint32_t u32() { return fixed<std::uint32_t>(); }
    std::int32_t i32() { return fixed<std::int32_t>(); }
    std::int64_t i64() { return fixed<std::int64_t>(); }
    double f64() { return fixed<double>(); }
    /// The next `n` bytes, without copying.
    QByteArrayView bytes(qsizetype n);
    /// Text with a 16-bit length.
    QString shortString();
    /// Text with a 32-bit length.
    QString longString();
    /// Raises a protocol error unless the whole message has been read.
    void expectEnd() const;

    [[noreturn]] static void fail(const QString& what);

private:
    template <class T>
    T fixed()
    {
        T value;
        std::memcpy(&value, bytes(sizeof(T)).data(), sizeof(T));
        return value;
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
