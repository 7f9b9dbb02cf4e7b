#include "ImageList.h"

void ImageList::set(int index, const QPixmap& picture)
{
    if (index < 0)
        return;
    if (index >= m_pictures.size())
        m_pictures.resize(index + 1);
    m_pictures[index] = picture;
}

QPixmap ImageList::at(int index) const
{
    return index >= 0 && index < m_pictures.size() ? m_pictures[index] : QPixmap();
}
