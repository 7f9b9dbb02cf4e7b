#pragma once

#include <QList>
#include <QPixmap>

/// An indexed list of small pictures (icons of grid cells, tab pictures). Indexes may have
/// gaps; an index without a picture gives a null pixmap.
class ImageList
{
public:
    void set(int index, const QPixmap& picture);
    QPixmap at(int index) const;
    int count() const { return static_cast<int>(m_pictures.size()); }

private:
    QList<QPixmap> m_pictures;
};
