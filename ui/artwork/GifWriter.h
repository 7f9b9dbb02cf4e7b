#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

/// Writes looping GIF89a animations from painted frames. Qt reads GIF but cannot write it,
/// and the busy animations and sample banners of the program are GIF pictures.
///
/// Every frame is flattened onto `matte` (pixels at least half transparent become the
/// transparent colour) and mapped to one palette of the 255 most frequent colours of all
/// frames. The image data is LZW-coded with literal codes only, which every decoder reads.
class GifWriter
{
public:
    /// Encodes `frames` (all of the size of the first) shown `delayCs` hundredths of a
    /// second each, repeating forever. Returns an empty array when there are no frames.
    static QByteArray encode(const QList<QImage>& frames, int delayCs, QColor matte);
};
