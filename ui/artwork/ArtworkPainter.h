#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

/// Paints the program's own pictures: stock status icons, product flags, tab pictures,
/// the busy animation, the search icon, the menu button picture and the logo placeholder.
/// The build writes them once into the resource folder of the user-interface library.
class ArtworkPainter
{
public:
    /// One picture file of the resource folder.
    struct Entry
    {
        QString fileName;
        QByteArray bytes; // PNG or GIF file content
    };

    /// Every picture the program ships, with its file name.
    static QList<Entry> all();

    /// Stock status icon for a `DURUM` code 0..5.
    static QImage stockStatus(int code);
    /// Frames of the busy animation (28 × 27).
    static QList<QImage> busyFrames();
};
