#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

/// Pictures of the demo data, drawn here: product photos and announcements as JPEG, the
/// two animated banners as GIF and the bottom banner as a Windows bitmap.
class DemoImages
{
public:
    static QByteArray product(const QString& name, const QString& group, int shape);
    static QByteArray announcement(const QString& title, const QString& line, QColor colour);
    static QByteArray headerBanner();
    static QByteArray topBanner();
    static QByteArray bottomBanner();
};
