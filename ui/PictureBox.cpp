#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
    emit pictureChanged();
}

void PictureBox::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void PictureBox::setProportional(bool on)
{
    m_proportional = on;
    update();
}

void PictureBox::setCenter(bool on)
{
    m_center = on;
    update();
}

void PictureBox::setTransparent(bool on)
{
    m_transparent = on;
    setAttribute(Qt::WA_TranslucentBackground, on);
    update();
}

QRect PictureBox::placement(QSize size, const QRect& area, bool stretch, bool proportional,
                            bool center)
{
    const bool tooBig = size.width() > area.width() || size.height() > area.height();
    if (stretch && !proportional)
        size = area.size();
    else if (proportional && (stretch || tooBig))
        size.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(area.topLeft(), size);
    if (center)
        target.moveCenter(area.center());
    return target;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), palette().color(backgroundRole()));
    if (m_picture.isNull())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(placement(m_picture.size(), rect(), m_stretch, m_proportional, m_center),
                m_picture);
}
