#pragma once

#include "ImageList.h"

#include <QHash>
#include <QPixmap>
#include <QString>

/// The program's own pictures (resources of this library) and the image lists and value
/// maps the screens' grids and tabs use.
class UiPictures
{
public:
    /// Image list of the grids' icon cells: the stock status icons at the indexes the
    /// status codes use (0 in stock, 1 special order, 2 on the way, 4 none, 5 being
    /// procured, 8 call us), then the product flags from index 20.
    static ImageList gridImages();
    /// `DURUM` code → image index; any other code shows no icon.
    static QHash<int, int> durumIndexes();
    /// `DURUM` code → its meaning ("Yok", "Var", ...), for header filters and legends.
    static QHash<int, QString> durumCaptions();
    /// New-product flag `Y`: an icon for 0 ("Hayır") and for 1 ("Evet").
    static QHash<int, int> yeniIndexes();
    /// Campaign flag `K`: the campaign icon for 1, a neutral one for 0.
    static QHash<int, int> kampanyaIndexes();
    /// Picture flag `RESIM`: an icon for 1, nothing for 0.
    static QHash<int, int> resimIndexes();
    /// "Evet"/"Hayır" for 1/0 flags.
    static QHash<int, QString> flagCaptions();

    /// The tab pictures (32 × 32) at the indexes the main window's tabs use.
    static ImageList tabImages();
    /// Resource path of the busy animation (GIF, 28 × 27).
    static QString busyAnimation();
    static QPixmap searchIcon();
    static QPixmap logo();
    static QPixmap menuIcon();
    static QPixmap selectAllIcon();
    static QPixmap selectNoneIcon();
    /// A picture of the resource folder by file name (null when there is none).
    static QPixmap picture(const QString& fileName);
};
