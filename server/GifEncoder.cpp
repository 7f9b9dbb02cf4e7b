#include "GifEncoder.h"

#include <QList>
#include <vector>

namespace {

QList<QRgb> palette()
{
    QList<QRgb> colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours << qRgb(r * 51, g * 51, b * 51);
    for (int i = 0; colours.size() < 256; ++i)
        colours << qRgb(i * 6 + 3, i * 6 + 3, i * 6 + 3);
    return colours;
}

void u16(QByteArray& out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

/// Packs variable-width codes least significant bit first, as GIF wants them.
class BitWriter
{
public:
    void write(int code, int bits)
    {
        m_acc |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_acc & 0xff));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_acc & 0xff));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_count = 0;
};

} // namespace

QByteArray GifEncoder::lzw(const QImage& indexed)
{
    constexpr int MinCodeSize = 8;
    constexpr int Clear = 1 << MinCodeSize;
    std::vector<qint16> next(4096 * 256, 0); // next[code * 256 + byte] = longer code, 0 none
    BitWriter out;
    int codeSize = MinCodeSize + 1;
    int maxCode = Clear + 1;
    out.write(Clear, codeSize);
    int current = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int k = line[x];
            if (current < 0) {
                current = k;
                continue;
            }
            const qint16 found = next[current * 256 + k];
            if (found) {
                current = found;
                continue;
            }
            out.write(current, codeSize);
            next[current * 256 + k] = qint16(++maxCode);
            if (maxCode >= (1 << codeSize))
                ++codeSize;
            if (maxCode == 4095) {
                out.write(Clear, codeSize);
                std::fill(next.begin(), next.end(), 0);
                codeSize = MinCodeSize + 1;
                maxCode = Clear + 1;
            }
            current = k;
        }
    }
    out.write(current, codeSize);
    out.write(Clear + 1, codeSize);
    return out.finish();
}

QByteArray GifEncoder::encode(const QList<QImage>& frames, int delayCentiseconds)
{
    const QList<QRgb> colours = palette();
    const QSize size = frames.first().size();
    QByteArray out("GIF89a");
    u16(out, size.width());
    u16(out, size.height());
    out.append(char(0xF7)); // global palette of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (QRgb c : colours) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (frames.size() > 1)
        out.append(QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
    for (const QImage& frame : frames) {
        out.append(QByteArray("\x21\xF9\x04\x04", 4)); // graphic control: keep previous
        u16(out, delayCentiseconds);
        out.append(QByteArray("\x00\x00", 2));
        out.append(char(0x2C));
        u16(out, 0);
        u16(out, 0);
        u16(out, size.width());
        u16(out, size.height());
        out.append(char(0));
        out.append(char(8)); // LZW minimum code size
        const QByteArray data = lzw(frame.convertToFormat(QImage::Format_Indexed8, colours,
                                                          Qt::ThresholdDither));
        for (qsizetype pos = 0; pos < data.size(); pos += 255) {
            const qsizetype n = std::min<qsizetype>(255, data.size() - pos);
            out.append(char(n));
            out.append(data.constData() + pos, n);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}
