#include "ShadowLabel.h"

#include <QPainter>

ShadowLabel::ShadowLabel(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShadowLabel::setShadow(const QColor& colour, QPoint offset)
{
    m_shadowColour = colour;
    m_shadowOffset = offset;
    update();
}

void ShadowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = contentsRect();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setPen(m_shadowColour);
    painter.drawText(area.translated(m_shadowOffset), flags, text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, text());
}
