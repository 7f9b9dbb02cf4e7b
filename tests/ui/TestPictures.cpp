#include "TestPictures.h"

#include "GifWriter.h"

#include <QBuffer>
#include <QImage>

QByteArray TestPictures::encoded(const char* format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(20, 120, 200));
    if (qstrcmp(format, "GIF") == 0)
        return GifWriter::encode({image}, 10, Qt::white); // Qt reads GIF but does not write it
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
