#include "GifWriter.h"

#include <QHash>
#include <QRgb>
#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

constexpr int paletteSize = 256;
constexpr int transparentIndex = 255;
constexpr int minCodeSize = 8;
constexpr int clearCode = 1 << minCodeSize;
constexpr int endCode = clearCode + 1;
// Literal codes each add a table entry; clearing before the table reaches 512 entries keeps
// every code 9 bits wide.
constexpr int codesPerClear = 250;

using Palette = std::array<QRgb, paletteSize>;

QRgb flatten(QRgb c, QColor matte)
{
    const int a = qAlpha(c);
    auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
    return qRgb(mix(qRed(c), matte.red()), mix(qGreen(c), matte.green()),
                mix(qBlue(c), matte.blue()));
}

/// The 255 most frequent colours of all frames, counted in 15-bit buckets (each bucket
/// stands for the average of its pixels); the last entry is the transparent colour.
Palette makePalette(const QList<QImage>& frames, QColor matte)
{
    struct Bucket
    {
        qint64 count = 0, r = 0, g = 0, b = 0;
    };
    std::vector<Bucket> buckets(1 << 15);
    for (const QImage& frame : frames) {
        const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x) {
                if (qAlpha(line[x]) < 128)
                    continue;
                const QRgb c = flatten(line[x], matte);
                Bucket& k = buckets[(qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3];
                ++k.count;
                k.r += qRed(c);
                k.g += qGreen(c);
                k.b += qBlue(c);
            }
        }
    }
    std::vector<int> order(buckets.size());
    std::iota(order.begin(), order.end(), 0);
    std::partial_sort(order.begin(), order.begin() + transparentIndex, order.end(),
                      [&buckets](int a, int b) { return buckets[a].count > buckets[b].count; });
    Palette p{};
    for (int i = 0; i < transparentIndex; ++i) {
        const Bucket& k = buckets[order[i]];
        p[i] = k.count == 0 ? qRgb(0, 0, 0)
                            : qRgb(int(k.r / k.count), int(k.g / k.count), int(k.b / k.count));
    }
    p[transparentIndex] = qRgb(0, 0, 0);
    return p;
}

int nearest(const Palette& palette, QRgb c)
{
    int best = 0;
    int bestDistance = INT32_MAX;
    for (int i = 0; i < transparentIndex; ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

/// Packs variable-width codes least significant bit first and cuts them into sub-blocks.
class CodeStream
{
public:
    void put(int code, int width)
    {
        m_bits |= static_cast<std::uint32_t>(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.append(static_cast<char>(m_bits & 0xff));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    QByteArray blocks()
    {
        if (m_count > 0)
            m_bytes.append(static_cast<char>(m_bits & 0xff));
        QByteArray out;
        for (qsizetype i = 0; i < m_bytes.size(); i += 255) {
            const QByteArray chunk = m_bytes.mid(i, 255);
            out.append(static_cast<char>(chunk.size()));
            out.append(chunk);
        }
        out.append('\0');
        return out;
    }

private:
    QByteArray m_bytes;
    std::uint32_t m_bits = 0;
    int m_count = 0;
};

void putWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

QByteArray header(QSize size, const Palette& palette)
{
    QByteArray out("GIF89a");
    putWord(out, size.width());
    putWord(out, size.height());
    out.append(static_cast<char>(0xf7)); // global table of 256 colours
    out.append('\0');
    out.append('\0');
    for (QRgb c : palette) {
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    // Application extension: repeat forever.
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    putWord(out, 0);
    out.append('\0');
    return out;
}

QByteArray frameBlock(const QImage& frame, int delayCs, QColor matte, const Palette& palette)
{
    QByteArray out("\x21\xf9\x04", 3);
    out.append(static_cast<char>((2 << 2) | 1)); // restore background, transparency on
    putWord(out, delayCs);
    out.append(static_cast<char>(transparentIndex));
    out.append('\0');
    out.append('\x2c');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, frame.width());
    putWord(out, frame.height());
    out.append('\0');
    out.append(static_cast<char>(minCodeSize));

    const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> mapped;
    auto indexOf = [&](QRgb c) {
        if (qAlpha(c) < 128)
            return transparentIndex;
        const QRgb flat = flatten(c, matte);
        auto it = mapped.constFind(flat);
        if (it == mapped.cend())
            it = mapped.insert(flat, nearest(palette, flat));
        return it.value();
    };
    CodeStream codes;
    int sinceClear = codesPerClear;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (sinceClear == codesPerClear) {
                codes.put(clearCode, minCodeSize + 1);
                sinceClear = 0;
            }
            codes.put(indexOf(line[x]), minCodeSize + 1);
            ++sinceClear;
        }
    }
    codes.put(endCode, minCodeSize + 1);
    out.append(codes.blocks());
    return out;
}

} // namespace

QByteArray GifWriter::encode(const QList<QImage>& frames, int delayCs, QColor matte)
{
    if (frames.isEmpty())
        return {};
    const Palette palette = makePalette(frames, matte);
    const QSize size = frames.front().size();
    QByteArray out = header(size, palette);
    for (const QImage& frame : frames)
        out.append(frameBlock(frame.size() == size ? frame : frame.scaled(size), delayCs, matte,
                              palette));
    out.append('\x3b');
    return out;
}
