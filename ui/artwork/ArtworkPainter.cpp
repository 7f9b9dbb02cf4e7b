#include "ArtworkPainter.h"

#include "GifWriter.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>

namespace {

constexpr int iconSize = 20;
constexpr int tabSize = 32;

using Painting = std::function<void(QPainter&)>;

QImage paint(QSize size, const Painting& draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QPen whitePen(qreal width)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

/// A round badge in `colour` with a soft top highlight; the symbol is drawn on top.
void badge(QPainter& p, QColor colour)
{
    QLinearGradient g(0, 0, 0, iconSize);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(1, 1, iconSize - 2, iconSize - 2));
}

void checkMark(QPainter& p)
{
    p.setPen(whitePen(2.4));
    p.drawPolyline(QPolygonF({{5.5, 10.5}, {8.5, 13.5}, {14.5, 6.5}}));
}

void crossMark(QPainter& p)
{
    p.setPen(whitePen(2.4));
    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
}

void handset(QPainter& p)
{
    QPainterPath path;
    path.moveTo(6, 5);
    path.cubicTo(4, 9, 8, 15, 14, 14.5);
    p.setPen(whitePen(3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void truck(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 6.5, 7, 5.5));
    p.drawRect(QRectF(11.5, 8.5, 4, 3.5));
    p.drawEllipse(QPointF(7, 13.5), 1.6, 1.6);
    p.drawEllipse(QPointF(13, 13.5), 1.6, 1.6);
}

QPolygonF starPolygon(QPointF centre, qreal outer, qreal inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(r * qCos(a), r * qSin(a));
    }
    return star;
}

void whiteStar(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(starPolygon({10, 10.5}, 6.5, 2.8));
}

void clockHands(QPainter& p)
{
    p.setPen(whitePen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 5.5, 5.5);
    p.drawLine(QPointF(10, 10), QPointF(10, 6.5));
    p.drawLine(QPointF(10, 10), QPointF(12.8, 11.5));
}

QImage statusImage(QColor colour, const Painting& symbol)
{
    return paint({iconSize, iconSize}, [&](QPainter& p) {
        badge(p, colour);
        symbol(p);
    });
}

QImage tag(QColor fill, QColor line, bool percent)
{
    return paint({iconSize, iconSize}, [&](QPainter& p) {
        p.setPen(QPen(line, 1));
        p.setBrush(fill);
        p.drawPolygon(QPolygonF({{2, 10}, {8, 3}, {18, 3}, {18, 17}, {8, 17}}));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(7, 10), 1.5, 1.5);
        if (!percent)
            return;
        p.setPen(whitePen(1.5));
        p.drawLine(QPointF(11, 14), QPointF(16, 6));
        p.drawEllipse(QPointF(11.5, 7), 1.2, 1.2);
        p.drawEllipse(QPointF(15.5, 13), 1.2, 1.2);
    });
}

QImage newStar(bool yes)
{
    return paint({iconSize, iconSize}, [&](QPainter& p) {
        if (!yes) {
            p.setPen(QPen(QColor(150, 156, 166), 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(starPolygon({10, 10.5}, 7.5, 3.3));
            return;
        }
        p.setPen(QPen(QColor(196, 120, 0), 1));
        p.setBrush(QColor(255, 196, 30));
        p.drawPolygon(starPolygon({10, 10.5}, 9, 4));
    });
}

QImage camera(int size)
{
    return paint({size, size}, [&](QPainter& p) {
        p.scale(size / 20.0, size / 20.0);
        p.setPen(QPen(QColor(40, 46, 56), 1));
        p.setBrush(QColor(84, 94, 110));
        p.drawRoundedRect(QRectF(2, 6, 16, 11), 2, 2);
        p.drawRect(QRectF(6.5, 4, 6, 3));
        p.setBrush(QColor(120, 200, 250));
        p.drawEllipse(QPointF(10, 11.5), 3.6, 3.6);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(9, 10.5), 1, 1);
    });
}

// Tab pictures, 32 × 32, bright on the dark tab strip.

QImage boxes()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        const QColor tan(226, 170, 96);
        p.setPen(QPen(tan.darker(150), 1));
        for (const QRectF& r :
             {QRectF(3, 16, 13, 12), QRectF(16, 16, 13, 12), QRectF(9.5, 4, 13, 12)}) {
            p.setBrush(tan);
            p.drawRect(r);
            p.setBrush(tan.lighter(120));
            p.drawRect(QRectF(r.center().x() - 2, r.top(), 4, 4));
        }
    });
}

QImage ledger()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        p.setPen(QPen(QColor(60, 70, 90), 1));
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(QRectF(6, 3, 20, 26));
        p.setPen(QPen(QColor(70, 130, 200), 1.5));
        for (int y = 9; y <= 23; y += 4)
            p.drawLine(QPointF(9, y), QPointF(23, y));
        p.setPen(QPen(QColor(220, 60, 60), 1.5));
        p.drawLine(QPointF(18, 3), QPointF(18, 29));
    });
}

QImage clipboard()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        p.setPen(QPen(QColor(120, 80, 40), 1));
        p.setBrush(QColor(196, 140, 80));
        p.drawRoundedRect(QRectF(5, 4, 22, 26), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 8, 16, 19));
        p.setBrush(QColor(150, 156, 166));
        p.drawRoundedRect(QRectF(11, 2, 10, 5), 1.5, 1.5);
        p.setPen(QPen(QColor(40, 160, 70), 2, Qt::SolidLine, Qt::RoundCap));
        for (int y = 13; y <= 23; y += 5)
            p.drawPolyline(QPolygonF({{10, y - 0.5}, {11.5, y + 1.0}, {14, y - 2.0}}));
        p.setPen(QPen(QColor(120, 126, 136), 1.5));
        for (int y = 12; y <= 22; y += 5)
            p.drawLine(QPointF(16, y), QPointF(22, y));
    });
}

QImage megaphone()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        p.setPen(QPen(QColor(180, 40, 40), 1));
        p.setBrush(QColor(236, 84, 64));
        p.drawPolygon(QPolygonF({{6, 12}, {22, 5}, {22, 25}, {6, 19}}));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(3, 12, 4, 7));
        p.drawRect(QRectF(8, 19, 4, 8));
        p.setPen(QPen(QColor(255, 214, 60), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25, 10), QPointF(29, 8));
        p.drawLine(QPointF(25, 15), QPointF(30, 15));
        p.drawLine(QPointF(25, 20), QPointF(29, 22));
    });
}

QImage percentTag()
{
    return tag(QColor(226, 48, 60), QColor(150, 20, 30), true)
        .scaled(tabSize, tabSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage hourglass()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        p.setPen(QPen(QColor(90, 60, 30), 1));
        p.setBrush(QColor(150, 100, 50));
        p.drawRect(QRectF(7, 3, 18, 3));
        p.drawRect(QRectF(7, 26, 18, 3));
        p.setBrush(QColor(220, 236, 250));
        p.setPen(QPen(QColor(120, 150, 180), 1));
        p.drawPolygon(QPolygonF({{9, 6}, {23, 6}, {17, 16}, {23, 26}, {9, 26}, {15, 16}}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 190, 80));
        p.drawPolygon(QPolygonF({{11, 8}, {21, 8}, {16, 15}}));
        p.drawPolygon(QPolygonF({{16, 19}, {22, 25}, {10, 25}}));
    });
}

QImage cart()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        p.setPen(QPen(QColor(230, 236, 244), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(70, 160, 230));
        p.drawPolyline(QPolygonF({{2, 5}, {7, 5}, {10, 21}, {26, 21}}));
        p.drawPolygon(QPolygonF({{8, 9}, {29, 9}, {26, 18}, {10, 18}}));
        p.setBrush(QColor(230, 236, 244));
        p.drawEllipse(QPointF(12, 26), 2.2, 2.2);
        p.drawEllipse(QPointF(24, 26), 2.2, 2.2);
    });
}

QImage newBurst()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        p.setPen(QPen(QColor(200, 120, 0), 1));
        p.setBrush(QColor(255, 200, 40));
        p.drawPolygon(starPolygon({16, 16}, 15, 10.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(starPolygon({16, 16.5}, 7, 3));
    });
}

QImage creditCard()
{
    return paint({tabSize, tabSize}, [](QPainter& p) {
        QLinearGradient g(0, 6, 0, 26);
        g.setColorAt(0, QColor(80, 190, 140));
        g.setColorAt(1, QColor(30, 130, 90));
        p.setPen(QPen(QColor(20, 90, 60), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 6, 28, 20), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 40, 50));
        p.drawRect(QRectF(2, 10, 28, 4));
        p.setBrush(QColor(250, 214, 110));
        p.drawRoundedRect(QRectF(6, 17, 6, 5), 1, 1);
        p.setBrush(QColor(230, 245, 238));
        p.drawRect(QRectF(15, 19, 11, 2));
    });
}

QImage magnifier()
{
    return paint({24, 24}, [](QPainter& p) {
        p.setPen(QPen(QColor(61, 65, 74), 2.5));
        p.setBrush(QColor(225, 240, 252));
        p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
        p.setPen(QPen(QColor(61, 65, 74), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(21, 21));
    });
}

QImage menuButton()
{
    return paint({48, 48}, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 242, 245));
        for (int y : {13, 22, 31})
            p.drawRoundedRect(QRectF(10, y, 28, 4), 2, 2);
    });
}

QImage checkBoxPicture(bool checked)
{
    return paint({16, 16}, [checked](QPainter& p) {
        p.setPen(QPen(QColor(61, 65, 74), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
        if (!checked)
            return;
        p.setPen(QPen(QColor(30, 150, 70), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{4, 8}, {7, 11}, {12, 4.5}}));
    });
}

void gear(QPainter& p, QPointF centre, qreal radius, QColor colour)
{
    QPainterPath teeth;
    for (int i = 0; i < 10; ++i) {
        const qreal a = i * M_PI / 5;
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotateRadians(a);
        teeth.addPolygon(
            t.map(QPolygonF(QRectF(-radius * 0.18, -radius * 1.25, radius * 0.36, radius * 0.5))));
    }
    teeth.addEllipse(centre, radius, radius);
    QPainterPath hole;
    hole.addEllipse(centre, radius * 0.42, radius * 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(teeth.simplified().subtracted(hole));
}

QImage logo()
{
    return paint({412, 100}, [](QPainter& p) {
        QLinearGradient g(0, 0, 412, 0);
        g.setColorAt(0, QColor(46, 50, 58));
        g.setColorAt(1, QColor(61, 65, 74));
        p.fillRect(QRect(0, 0, 412, 100), g);
        gear(p, {52, 50}, 26, QColor(232, 120, 40));
        QFont title(QStringLiteral("DejaVu Sans"));
        title.setPixelSize(34);
        title.setBold(true);
        p.setFont(title);
        p.setPen(Qt::white);
        p.drawText(QRect(96, 14, 310, 44), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("OTO KORVEL"));
        QFont sub = title;
        sub.setPixelSize(17);
        sub.setBold(false);
        p.setFont(sub);
        p.setPen(QColor(210, 240, 249));
        p.drawText(QRect(98, 56, 310, 28), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Yedek Parça B2B"));
    });
}

} // namespace

QImage ArtworkPainter::stockStatus(int code)
{
    switch (code) {
    case 0:
        return statusImage(QColor(214, 56, 56), crossMark);
    case 1:
        return statusImage(QColor(46, 164, 79), checkMark);
    case 2:
        return statusImage(QColor(236, 160, 20), handset);
    case 3:
        return statusImage(QColor(48, 120, 210), truck);
    case 4:
        return statusImage(QColor(140, 80, 190), whiteStar);
    case 5:
        return statusImage(QColor(240, 110, 30), clockHands);
    }
    return {};
}

QList<QImage> ArtworkPainter::busyFrames()
{
    // GIF has no partial transparency: the fading dots are mixed with the search bar's
    // colour instead of being made translucent.
    constexpr int frames = 12;
    const QColor bar(228, 231, 236);
    const QColor dot(31, 122, 184);
    QList<QImage> list;
    for (int f = 0; f < frames; ++f) {
        list << paint({28, 27}, [&, f](QPainter& p) {
            for (int i = 0; i < frames; ++i) {
                const int age = (f - i + frames) % frames;
                const qreal strength = std::max(0.15, 1.0 - age / 8.0);
                const qreal a = i * 2 * M_PI / frames - M_PI / 2;
                p.setPen(Qt::NoPen);
                p.setBrush(
                    QColor::fromRgbF(bar.redF() + (dot.redF() - bar.redF()) * strength,
                                     bar.greenF() + (dot.greenF() - bar.greenF()) * strength,
                                     bar.blueF() + (dot.blueF() - bar.blueF()) * strength));
                p.drawEllipse(QPointF(14 + 9.5 * qCos(a), 13.5 + 9.5 * qSin(a)), 2.4, 2.4);
            }
        });
    }
    return list;
}

QList<ArtworkPainter::Entry> ArtworkPainter::all()
{
    QList<Entry> entries;
    auto add = [&](const char* name, const QImage& image) {
        entries.append({QString::fromLatin1(name), png(image)});
    };
    const char* statusNames[] = {"durum-yok.png",   "durum-var.png",  "durum-telefon.png",
                                 "durum-yolda.png", "durum-ozel.png", "durum-tedarik.png"};
    for (int code = 0; code < 6; ++code)
        add(statusNames[code], stockStatus(code));
    add("yeni-evet.png", newStar(true));
    add("yeni-hayir.png", newStar(false));
    add("kampanya-evet.png", tag(QColor(226, 48, 60), QColor(150, 20, 30), true));
    add("kampanya-hayir.png", tag(QColor(214, 218, 224), QColor(150, 156, 166), false));
    add("resim-var.png", camera(iconSize));
    add("tab-stok.png", boxes());
    add("tab-ekstre.png", ledger());
    add("tab-onceki.png", clipboard());
    add("tab-duyuru.png", megaphone());
    add("tab-kampanya.png", percentTag());
    add("tab-bakiye.png", hourglass());
    add("tab-sepet.png", cart());
    add("tab-yeni.png", newBurst());
    add("tab-pos.png", creditCard());
    add("search.png", magnifier());
    add("menu.png", menuButton());
    add("select-all.png", checkBoxPicture(true));
    add("select-none.png", checkBoxPicture(false));
    add("logo.png", logo());
    entries.append(
        {QStringLiteral("busy.gif"), GifWriter::encode(busyFrames(), 8, QColor(228, 231, 236))});
    return entries;
}
