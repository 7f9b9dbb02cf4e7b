#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

/// Appends little-endian values to a message being built.
class ByteWriter
{
public:
    explicit ByteWriter(QByteArray& out) : m_out(out) {}

    void u8(std::uint8_t v) { m_out.append(static_cast<char>(v)); }
    void u16(std::uint16_t v) { raw(&v, sizeof v); }
    void u32(std::uint32_t v) { raw(&v, sizeof v); }
    void i32(std::int32_t v) { raw(&v, sizeof v); }
    void i64(std::int64_t v) { raw(&v, sizeof v); }
    void f64(double v) { raw(&v, sizeof v); }
    void bytes(QByteArrayView v) { m_out.append(v); }
    void raw(const void* data, qsizetype n) { m_out.append(static_cast<const char*>(data), n); }
    /// Text with a 16-bit length (longer text is cut at 65535 bytes).
    void shortString(const QString& text);
    /// Text with a 32-bit length.
    void longString(const QString& text);
    void longBytes(QByteArrayView v);

private:
    QByteArray& m_out;
};
