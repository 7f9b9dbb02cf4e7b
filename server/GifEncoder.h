#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

/// Writes GIF89a pictures: one global 256-colour palette (a colour cube and greys), LZW
/// compressed frames, and for several frames an endless animation loop.
class GifEncoder
{
public:
    static QByteArray encode(const QList<QImage>& frames, int delayCentiseconds);

private:
    static QByteArray lzw(const QImage& indexed);
};
