#include "LoginBackground.h"
#include "PixelFont.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace {

const QColor Red(226, 10, 23);

} // namespace

QPixmap LoginBackground::paint()
{
    QPixmap picture(Width, Height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient dark(0, 0, 0, LightTop);
    dark.setColorAt(0, QColor(34, 37, 44));
    dark.setColorAt(1, QColor(61, 65, 74));
    painter.fillRect(QRect(0, 0, Width, LightTop), dark);
    QLinearGradient light(0, LightTop, 0, Height);
    light.setColorAt(0, QColor(248, 248, 248));
    light.setColorAt(1, QColor(214, 217, 222));
    painter.fillRect(QRect(0, LightTop, Width, Height - LightTop), light);
    painter.fillRect(QRect(0, LightTop - 3, Width, 3), Red);

    paintEmblem(painter, QPointF(Width / 2.0, 100), 58);

    painter.setPen(Qt::white);
    painter.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 34, true));
    painter.drawText(QRect(0, 172, Width, 44), Qt::AlignCenter, QStringLiteral("OTO KORVEL"));
    painter.setPen(QColor(200, 204, 212));
    painter.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 14, false));
    painter.drawText(QRect(0, 214, Width, 22), Qt::AlignCenter,
                     QStringLiteral("Yedek Parça B2B Sipariş Programı"));
    painter.fillRect(QRect(Width / 2 - 60, 244, 120, 2), Red);
    return picture;
}

void LoginBackground::paintEmblem(QPainter& painter, QPointF centre, qreal radius)
{
    // A wheel: red rim, white hub and five spokes.
    painter.setPen(QPen(Red, radius * 0.22));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.85, radius * 0.85);
    painter.setPen(QPen(QColor(236, 238, 242), radius * 0.1, Qt::SolidLine, Qt::RoundCap));
    for (int spoke = 0; spoke < 5; ++spoke) {
        const qreal angle = qDegreesToRadians(spoke * 72.0 - 90.0);
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * radius * 0.22, centre + direction * radius * 0.7);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 238, 242));
    painter.drawEllipse(centre, radius * 0.22, radius * 0.22);
    painter.setBrush(Red);
    painter.drawEllipse(centre, radius * 0.08, radius * 0.08);
}
