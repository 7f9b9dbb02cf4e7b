#include "DemoImages.h"

#include "GifEncoder.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace {

QByteArray save(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 85);
    return bytes;
}

QFont font(int pixels, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void fillGradient(QPainter& p, const QRect& r, QColor from, QColor to)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(r, g);
}

QImage bannerFrame(const QSize& size, int frame, const QString& text)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const QColor colours[] = {QColor(226, 10, 23), QColor(61, 65, 74), QColor(0, 102, 204)};
    fillGradient(p, image.rect(), colours[frame % 3], colours[(frame + 1) % 3]);
    p.setPen(Qt::white);
    p.setFont(font(size.height() / 3));
    p.drawText(image.rect().adjusted(10 + frame * 8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               text);
    return image;
}

} // namespace

QByteArray DemoImages::product(const QString& name, const QString& group, int shape)
{
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, image.rect(), QColor(245, 245, 245), QColor::fromHsv(shape * 37 % 360, 60, 220));
    p.setBrush(QColor::fromHsv(shape * 37 % 360, 160, 140));
    p.setPen(QPen(Qt::black, 3));
    switch (shape % 4) {
    case 0: p.drawEllipse(QPoint(160, 105), 70, 70); p.drawEllipse(QPoint(160, 105), 20, 20); break;
    case 1: p.drawRoundedRect(95, 45, 130, 120, 12, 12); break;
    case 2: p.drawRect(60, 80, 200, 50); p.drawEllipse(QPoint(60, 105), 25, 25); break;
    default: p.drawPolygon(QPolygon({QPoint(160, 35), QPoint(240, 170), QPoint(80, 170)})); break;
    }
    p.setPen(Qt::black);
    p.setFont(font(16));
    p.drawText(QRect(0, 185, 320, 25), Qt::AlignCenter, name);
    p.setFont(font(12, false));
    p.drawText(QRect(0, 210, 320, 20), Qt::AlignCenter, group);
    p.end();
    return save(image, "JPEG");
}

QByteArray DemoImages::announcement(const QString& title, const QString& line, QColor colour)
{
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter p(&image);
    fillGradient(p, image.rect(), colour, colour.darker(220));
    p.setPen(Qt::white);
    p.setFont(font(40));
    p.drawText(QRect(20, 60, 560, 160), Qt::AlignCenter | Qt::TextWordWrap, title);
    p.setFont(font(22, false));
    p.drawText(QRect(20, 240, 560, 100), Qt::AlignCenter | Qt::TextWordWrap, line);
    p.end();
    return save(image, "JPEG");
}

QByteArray DemoImages::headerBanner()
{
    QList<QImage> frames;
    for (int i = 0; i < 4; ++i)
        frames << bannerFrame({409, 100}, i, QStringLiteral("Oto Korvel"));
    return GifEncoder::encode(frames, 80);
}

QByteArray DemoImages::topBanner()
{
    QList<QImage> frames;
    for (int i = 0; i < 3; ++i)
        frames << bannerFrame({1200, 60}, i, QStringLiteral("Fren grubunda %15 ek indirim!"));
    return GifEncoder::encode(frames, 120);
}

QByteArray DemoImages::bottomBanner()
{
    return save(bannerFrame({800, 40}, 1, QStringLiteral("Aynı gün kargo — 14:00'e kadar")),
                "BMP");
}
